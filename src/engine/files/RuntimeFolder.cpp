#include "engine/files/RuntimeFolder.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

juce::File RuntimeFolder::find (std::ostream& errors)
{
    const juce::File runtime (juce::SystemStats::getEnvironmentVariable ("XDG_RUNTIME_DIR", {}));
    const auto refuse = [&errors] (const juce::File& folder, const juce::String& why) {
        errors << "Not using " << folder.getFullPathName() << ": it " << why << "; trying another folder\n";
    };

    if (juce::File::isAbsolutePath (runtime.getFullPathName()))
    {
        const auto why = whyNotPrivate (runtime);

        if (why.isEmpty())
            return runtime;

        refuse (runtime, why);
    }

    // Every launch tries the same names in the same order, so all of them agree on the folder.
    const auto tmp = juce::SystemStats::getEnvironmentVariable ("TMPDIR", "/tmp");
    const auto name = "qx61-editor-" + juce::String (static_cast<juce::int64> (::getuid()));

    for (int i = 0; i < 10; ++i)
    {
        const auto own = juce::File (juce::File::isAbsolutePath (tmp) ? tmp : "/tmp")
                             .getChildFile (i == 0 ? name : name + "-" + juce::String (i));
        ::mkdir (own.getFullPathName().toRawUTF8(), 0700);
        const auto why = whyNotPrivate (own);

        if (why.isEmpty())
            return own;

        refuse (own, why);
    }

    return {};
}

juce::String RuntimeFolder::whyNotPrivate (const juce::File& folder)
{
    struct stat info
    {};

    if (::lstat (folder.getFullPathName().toRawUTF8(), &info) != 0)
        return "cannot be made (" + juce::String (std::strerror (errno)) + ")";

    if (S_ISLNK (info.st_mode))
        return "is a link";

    if (! S_ISDIR (info.st_mode))
        return "is not a folder";

    if (info.st_uid != ::getuid())
        return "belongs to another user";

    if ((info.st_mode & 077) != 0)
        return "may be entered by other users";

    return {};
}
