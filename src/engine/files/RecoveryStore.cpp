#include "engine/files/RecoveryStore.h"

#include "engine/files/FileAccess.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
const juce::String presetExtension (".qx6");
const juce::String noteExtension (".note");
const juce::String lockName ("lock");

juce::File presetOf (const juce::File& folder, const juce::String& id)
{
    return folder.getChildFile (id + presetExtension);
}

juce::File noteOf (const juce::File& folder, const juce::String& id)
{
    return folder.getChildFile (id + noteExtension);
}

// Presets may hold what the user would not show others.
juce::Result makePrivateFolder (const juce::File& folder)
{
    if (const auto made = folder.createDirectory(); made.failed())
        return FileAccess::failure (folder, made.getErrorMessage());

    ::chmod (folder.getFullPathName().toRawUTF8(), 0700);
    return juce::Result::ok();
}
} // namespace

RecoveryStore::RecoveryStore (const juce::File& rootIn) : root (rootIn) {}

RecoveryStore::~RecoveryStore()
{
    for (auto& folder : leftBehind)
        release (folder, false);

    release (own, false);
}

juce::File RecoveryStore::defaultRoot()
{
    const auto state = juce::SystemStats::getEnvironmentVariable ("XDG_STATE_HOME", {});
    const auto base =
        juce::File::isAbsolutePath (state)
            ? juce::File (state)
            : juce::File::getSpecialLocation (juce::File::userHomeDirectory).getChildFile (".local/state");

    return base.getChildFile ("qx61-editor/recovery");
}

juce::Result RecoveryStore::claimOwnFolder()
{
    if (own.lockFd >= 0)
        return juce::Result::ok();

    own.folder = root.getChildFile ("editor-" + juce::String (static_cast<int> (::getpid())));

    if (const auto made = makePrivateFolder (own.folder); made.failed())
        return made;

    own.lockFd = lockFolder (own.folder);
    return own.lockFd >= 0
               ? juce::Result::ok()
               : FileAccess::failure (own.folder.getChildFile (lockName), FileAccess::systemMessage (errno));
}

int RecoveryStore::lockFolder (const juce::File& folder)
{
    const auto path = folder.getChildFile (lockName).getFullPathName();
    const int fd = ::open (path.toRawUTF8(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);

    if (fd >= 0 && ::flock (fd, LOCK_EX | LOCK_NB) != 0)
    {
        const auto why = errno;
        ::close (fd);
        errno = why;
        return -1;
    }

    return fd;
}

juce::Result RecoveryStore::write (const Entry& entry)
{
    if (const auto claimed = claimOwnFolder(); claimed.failed())
        return claimed;

    auto* note = new juce::DynamicObject();
    note->setProperty ("file", entry.documentFile.getFullPathName());
    note->setProperty ("title", entry.title);
    const auto text = juce::JSON::toString (juce::var (note)).toStdString();

    if (const auto saved = PresetFile (presetOf (own.folder, entry.id)).save (entry.preset); saved.failed())
        return saved;

    own.ids.addIfNotAlreadyThere (entry.id);
    return FileAccess::replaceAtomically (noteOf (own.folder, entry.id), text.data(), text.size());
}

void RecoveryStore::remove (const juce::String& id)
{
    if (own.ids.contains (id))
        removeEntry (own.folder, id);

    own.ids.removeString (id);
}

void RecoveryStore::removeAll()
{
    release (own, true);
}

void RecoveryStore::removeEntry (const juce::File& folder, const juce::String& id)
{
    // The note goes first: a preset without its note is never offered.
    noteOf (folder, id).deleteFile();
    presetOf (folder, id).deleteFile();
}

void RecoveryStore::release (Folder& folder, bool removeFolder)
{
    if (folder.lockFd < 0)
        return;

    if (removeFolder)
    {
        for (const auto& id : folder.ids)
            removeEntry (folder.folder, id);

        folder.folder.getChildFile (lockName).deleteFile();
        ::rmdir (folder.folder.getFullPathName().toRawUTF8());
    }

    ::close (folder.lockFd);
    folder = {};
}

std::vector<RecoveryStore::Entry> RecoveryStore::findLeftBehind (int presetLength)
{
    std::vector<Entry> found;

    for (const auto& folder : root.findChildFiles (juce::File::findDirectories, false))
    {
        // A folder still locked is a running editor's.
        const auto lockFd = folder == own.folder ? -1 : lockFolder (folder);

        if (lockFd < 0)
            continue;

        Folder taken { folder, lockFd, {} };

        for (const auto& note : folder.findChildFiles (juce::File::findFiles, false, "*" + noteExtension))
        {
            if (auto entry = readEntry (note, presetLength))
            {
                taken.ids.add (entry->id);
                found.push_back (std::move (*entry));
            }
        }

        // A folder without entries may be one an editor is just making; it stays as it is.
        if (taken.ids.isEmpty())
            release (taken, false);
        else
            leftBehind.push_back (taken);
    }

    return found;
}

std::optional<RecoveryStore::Entry> RecoveryStore::readEntry (const juce::File& note, int presetLength)
{
    std::string text;
    constexpr std::size_t maxNoteBytes = 64 * 1024;
    const auto id = note.getFileNameWithoutExtension();
    const auto preset = PresetFile (presetOf (note.getParentDirectory(), id)).load (presetLength);

    if (! preset.has_value() || FileAccess::readRegular (note, maxNoteBytes, text).failed())
        return std::nullopt;

    const auto parsed = juce::JSON::parse (juce::String::fromUTF8 (text.data(), static_cast<int> (text.size())));
    const auto path = parsed.getProperty ("file", {}).toString();
    const auto title = parsed.getProperty ("title", {}).toString();

    if (! parsed.isObject() || title.isEmpty() || (path.isNotEmpty() && ! juce::File::isAbsolutePath (path)))
        return std::nullopt;

    return Entry { id, *preset, path.isEmpty() ? juce::File() : juce::File (path), title };
}

void RecoveryStore::forgetLeftBehind()
{
    // A folder that still holds a damaged entry stays: rmdir refuses it.
    for (auto& folder : leftBehind)
        release (folder, true);

    leftBehind.clear();
}
