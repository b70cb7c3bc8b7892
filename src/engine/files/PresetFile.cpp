#include "engine/files/PresetFile.h"

#include "engine/files/FileAccess.h"

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
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

juce::Result PresetFile::read (int expectedLength, Bytes& message) const
{
    std::string contents;
    const auto result = FileAccess::readRegular (file, static_cast<size_t> (expectedLength), contents);

    if (result.failed())
        return result;

    if (contents.size() != static_cast<size_t> (expectedLength))
        return FileAccess::failure (file, "is " + juce::String (contents.size()) + " bytes; a preset file has "
                                              + juce::String (expectedLength));

    message = Bytes (reinterpret_cast<const juce::uint8*> (contents.data()), expectedLength);
    return juce::Result::ok();
}

std::optional<PresetFile::Bytes> PresetFile::load (int expectedLength) const
{
    Bytes message;
    return read (expectedLength, message).wasOk() ? std::optional<Bytes> (message) : std::nullopt;
}

juce::Result PresetFile::checkSavable() const
{
    return FileAccess::checkWritable (file);
}

juce::Result PresetFile::save (const Bytes& message) const
{
    ignoreFileSizeSignal();

    if (const auto writable = checkSavable(); writable.failed())
        return writable;

    const auto target = FileAccess::resolveLinks (file);
    TemporaryBeside temporary (target);

    if (! temporary.isOpen())
        return FileAccess::failure (target, FileAccess::systemMessage (errno));

    // The replacement keeps the old file's permissions and, where allowed, its owner.
    struct stat old
    {};
    if (::stat (target.getFullPathName().toRawUTF8(), &old) == 0)
    {
        ::fchmod (temporary.get(), old.st_mode & 07777);
        [[maybe_unused]] const auto owned = ::fchown (temporary.get(), old.st_uid, old.st_gid);
    }

    const auto written =
        FileAccess::writeAll (temporary.get(), message.getRawDataPointer(), static_cast<size_t> (message.size()))
        && ::fsync (temporary.get()) == 0;

    if (! written || ! temporary.close() || ! temporary.renameOver (target))
        return FileAccess::failure (target, FileAccess::systemMessage (errno));

    return juce::Result::ok();
}
