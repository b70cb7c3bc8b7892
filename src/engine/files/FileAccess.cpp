#include "engine/files/FileAccess.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// As many links as the system itself follows before it gives up with ELOOP.
constexpr int maxLinks = 40;

juce::Result checkKind (const juce::File& file, const struct stat& info)
{
    if (S_ISDIR (info.st_mode))
        return FileAccess::failure (file, FileAccess::isDirectory);
    if (! S_ISREG (info.st_mode))
        return FileAccess::failure (file, FileAccess::notRegular);
    return juce::Result::ok();
}

juce::Result systemFailure (const juce::File& file)
{
    return FileAccess::failure (file, FileAccess::systemMessage (errno));
}

class Descriptor
{
public:
    explicit Descriptor (int fdIn) : fd (fdIn) {}
    ~Descriptor()
    {
        if (fd >= 0)
            ::close (fd);
    }
    int get() const { return fd; }

private:
    int fd;
    JUCE_DECLARE_NON_COPYABLE (Descriptor)
};
// A write beyond the file-size limit then fails with EFBIG like any other write, instead of
// killing the process and leaving the temporary file behind. Set by every save (one cheap call),
// so every program that saves presets gets it without each remembering to.
void ignoreFileSizeSignal()
{
    std::signal (SIGXFSZ, SIG_IGN);
}

/** A hidden file beside the target, removed again unless it was renamed over the target. */
class TemporaryBeside
{
public:
    explicit TemporaryBeside (const juce::File& target)
    {
        juce::Random random;

        // Created with the default permissions (0666 less the umask), as a new file would be.
        for (int attempt = 0; attempt < 100 && fd < 0 && (attempt == 0 || errno == EEXIST); ++attempt)
        {
            file = target.getSiblingFile ("." + target.getFileName() + "."
                                          + juce::String::toHexString (random.nextInt64()) + ".tmp");
            fd = ::open (file.getFullPathName().toRawUTF8(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        }

        created = fd >= 0;
    }

    ~TemporaryBeside()
    {
        close();
        if (created && ! renamed)
            ::unlink (file.getFullPathName().toRawUTF8());
    }

    int get() const { return fd; }
    bool isOpen() const { return fd >= 0; }

    bool close()
    {
        const auto closed = fd < 0 || ::close (fd) == 0;
        fd = -1;
        return closed;
    }

    bool renameOver (const juce::File& target)
    {
        renamed = ::rename (file.getFullPathName().toRawUTF8(), target.getFullPathName().toRawUTF8()) == 0;
        return renamed;
    }

private:
    juce::File file;
    int fd = -1;
    bool created = false;
    bool renamed = false;
};
} // namespace

juce::File FileAccess::resolveLinks (const juce::File& file)
{
    auto current = file;

    for (int i = 0; i < maxLinks; ++i)
    {
        char target[PATH_MAX];
        const auto length = ::readlink (current.getFullPathName().toRawUTF8(), target, sizeof (target) - 1);

        if (length < 0)
            break;

        const auto linked = juce::String::fromUTF8 (target, static_cast<int> (length));
        current = current.getParentDirectory().getChildFile (linked);
    }

    return current;
}

juce::Result FileAccess::readRegular (const juce::File& file, std::size_t maxBytes, std::string& contents)
{
    const auto path = file.getFullPathName();
    struct stat info
    {};

    if (::stat (path.toRawUTF8(), &info) != 0)
        return systemFailure (file);
    if (const auto kind = checkKind (file, info); kind.failed())
        return kind;

    // Non-blocking, in case the file was swapped for a FIFO since it was looked at.
    const Descriptor fd (::open (path.toRawUTF8(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));

    if (fd.get() < 0)
        return systemFailure (file);
    if (::fstat (fd.get(), &info) != 0)
        return systemFailure (file);
    if (const auto kind = checkKind (file, info); kind.failed())
        return kind;

    contents.clear();
    char buffer[65536];

    for (;;)
    {
        const auto got = ::read (fd.get(), buffer, sizeof (buffer));

        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return systemFailure (file);
        if (got == 0)
            return juce::Result::ok();

        contents.append (buffer, static_cast<size_t> (got));

        if (contents.size() > maxBytes)
            return failure (file, "larger than " + juce::String (maxBytes) + " bytes");
    }
}

juce::Result FileAccess::checkExists (const juce::File& file)
{
    struct stat info
    {};

    return ::stat (file.getFullPathName().toRawUTF8(), &info) == 0 ? juce::Result::ok() : systemFailure (file);
}

juce::Result FileAccess::checkWritable (const juce::File& file)
{
    const auto target = resolveLinks (file);
    const auto path = target.getFullPathName();
    struct stat info
    {};

    if (::stat (path.toRawUTF8(), &info) == 0)
    {
        if (const auto kind = checkKind (target, info); kind.failed())
            return kind;
        if (::faccessat (AT_FDCWD, path.toRawUTF8(), W_OK, AT_EACCESS) != 0)
            return systemFailure (target);
    }
    else if (errno != ENOENT)
    {
        return systemFailure (target);
    }

    // A save writes beside the file and renames, so the folder must take a new entry too.
    const auto folder = target.getParentDirectory().getFullPathName();

    if (::faccessat (AT_FDCWD, folder.toRawUTF8(), W_OK | X_OK, AT_EACCESS) != 0)
        return systemFailure (target);

    return juce::Result::ok();
}

bool FileAccess::writeAll (int fd, const void* data, std::size_t size)
{
    auto* next = static_cast<const char*> (data);

    while (size > 0)
    {
        const auto written = ::write (fd, next, size);

        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;

        next += written;
        size -= static_cast<std::size_t> (written);
    }

    return true;
}

juce::Result FileAccess::failure (const juce::File& file, const juce::String& reason)
{
    return juce::Result::fail (file.getFullPathName() + ": " + reason);
}

juce::String FileAccess::systemMessage (int errorNumber)
{
    return juce::String::fromUTF8 (std::strerror (errorNumber));
}

juce::Result FileAccess::replaceAtomically (const juce::File& file, const void* data, std::size_t size)
{
    ignoreFileSizeSignal();

    if (const auto writable = checkWritable (file); writable.failed())
        return writable;

    const auto target = resolveLinks (file);
    TemporaryBeside temporary (target);

    if (! temporary.isOpen())
        return failure (target, systemMessage (errno));

    // The replacement keeps the old file's permissions and, where allowed, its owner.
    struct stat old
    {};
    if (::stat (target.getFullPathName().toRawUTF8(), &old) == 0)
    {
        ::fchmod (temporary.get(), old.st_mode & 07777);
        [[maybe_unused]] const auto owned = ::fchown (temporary.get(), old.st_uid, old.st_gid);
    }

    const auto written = writeAll (temporary.get(), data, size) && ::fsync (temporary.get()) == 0;

    if (! written || ! temporary.close() || ! temporary.renameOver (target))
        return failure (target, systemMessage (errno));

    return juce::Result::ok();
}
