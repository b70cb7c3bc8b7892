#include "engine/transfer/PortLock.h"

#include "engine/files/RuntimeFolder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

PortLock::PortLock (const juce::File& lockFile) : file (lockFile)
{
    if (file != juce::File())
        fd = ::open (file.getFullPathName().toRawUTF8(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
}

PortLock::~PortLock()
{
    // Emptied first, so no waiter names a holder that has gone.
    if (held) [[maybe_unused]]
        const auto emptied = ::ftruncate (fd, 0);

    if (fd >= 0)
        ::close (fd);
}

juce::File PortLock::fileFor (const juce::String& portName)
{
    const auto folder = RuntimeFolder::find();

    if (folder == juce::File() || portName.isEmpty())
        return {};

    juce::String name ("qx61-port-");

    for (auto c : portName)
        name << juce::String::charToString (juce::CharacterFunctions::isLetterOrDigit (c) ? c : '_');

    return folder.getChildFile (name + ".lock");
}

PortLock::Outcome PortLock::acquire (int limitMs, const Pause& pause, const Waiting& waiting)
{
    if (fd < 0)
        return Outcome::unavailable;

    const auto start = juce::Time::getMillisecondCounter();

    while (! tryLock())
    {
        if (const auto now = readHolder(); now != holder)
        {
            holder = now;
            waiting (holder);
        }

        if (limitMs >= 0 && juce::Time::getMillisecondCounter() - start >= static_cast<juce::uint32> (limitMs))
            return Outcome::timedOut;

        if (! pause (retryMs))
            return Outcome::stopped;
    }

    return Outcome::acquired;
}

bool PortLock::tryLock()
{
    if (::flock (fd, LOCK_EX | LOCK_NB) != 0)
        return false;

    const auto program = juce::File::getSpecialLocation (juce::File::currentExecutableFile).getFileName();
    const auto text = (program + " (process " + juce::String (static_cast<int> (::getpid())) + ")").toStdString();
    held = true;

    if (::ftruncate (fd, 0) == 0) [[maybe_unused]]
        const auto written = ::pwrite (fd, text.data(), text.size(), 0);

    return true;
}

juce::String PortLock::readHolder() const
{
    char text[256] {};
    const auto length = ::pread (fd, text, sizeof (text) - 1, 0);
    const auto read = juce::String::fromUTF8 (text, static_cast<int> (juce::jmax<ssize_t> (0, length))).trim();

    // Between a holder's lock and its name, or after it emptied the file on leaving.
    return read.isNotEmpty() ? read : juce::String ("another program");
}
