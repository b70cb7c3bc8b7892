#include "engine/midi/MidiLog.h"

#include "engine/files/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
constexpr int writerWakeIntervalMs = 200;

/** The file emptied and open for writing, or -1. Only a regular file: a FIFO or a device could
    block or swallow the log (opening without blocking lets a FIFO be refused too). */
int createFresh (const juce::File& file)
{
    file.getParentDirectory().createDirectory();
    const auto fd =
        ::open (file.getFullPathName().toRawUTF8(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0644);
    struct stat info
    {};

    if (fd >= 0 && (::fstat (fd, &info) != 0 || ! S_ISREG (info.st_mode)))
    {
        ::close (fd);
        return -1;
    }

    return fd;
}
} // namespace

std::shared_ptr<MidiLog> MidiLog::fromArguments (const juce::StringArray& arguments)
{
    for (const auto& argument : arguments)
    {
        const auto path = argument.unquoted();

        if (path.startsWith (commandLineOption) && path.length() > juce::String (commandLineOption).length())
            return std::make_shared<MidiLog> (juce::File::getCurrentWorkingDirectory().getChildFile (
                path.fromFirstOccurrenceOf (commandLineOption, false, false)));
    }

    return nullptr;
}

MidiLog::MidiLog (const juce::File& fileIn)
    : juce::Thread ("MIDI log writer"),
      file (fileIn),
      fd (createFresh (fileIn)),
      openedAtMs (juce::Time::getMillisecondCounterHiRes())
{
    if (isOpen())
        startThread();
}

MidiLog::~MidiLog()
{
    signalThreadShouldExit();
    notify();
    stopThread (-1);
    flush();

    if (isOpen())
        ::close (fd);
}

void MidiLog::log (Direction direction, const juce::MidiMessage& message)
{
    if (! isOpen())
        return;

    const auto* data = message.getRawData();
    std::vector<juce::uint8> bytes (data, data + message.getRawDataSize());

    {
        // Stamped under the lock so the lines stay in time order whatever thread logs them.
        const juce::ScopedLock sl (queueLock);
        queue.push_back ({ juce::Time::getMillisecondCounterHiRes() - openedAtMs, direction, std::move (bytes) });
    }

    notify();
}

juce::Result MidiLog::flush()
{
    const juce::ScopedLock writing (writeLock);

    if (isOpen())
        writePending();

    return status;
}

juce::String MidiLog::formatLine (double elapsedMs, Direction direction, const juce::uint8* data, int size)
{
    return juce::String (elapsedMs, 3) + (direction == Direction::out ? " OUT " : " IN ")
           + juce::String::toHexString (data, size, 1).toUpperCase();
}

void MidiLog::run()
{
    while (! threadShouldExit())
    {
        writePending();
        wait (writerWakeIntervalMs);
    }
}

void MidiLog::writePending()
{
    const juce::ScopedLock writing (writeLock);
    std::vector<Entry> pending;

    {
        const juce::ScopedLock sl (queueLock);
        pending.swap (queue);
    }

    // After a failed write the log has a gap, so nothing more is added to it.
    if (pending.empty() || status.failed())
        return;

    juce::String text;

    for (const auto& entry : pending)
        text << formatLine (entry.elapsedMs, entry.direction, entry.bytes.data(), static_cast<int> (entry.bytes.size()))
             << "\n";

    if (! FileAccess::writeAll (fd, text.toRawUTF8(), text.getNumBytesAsUTF8()))
        status = FileAccess::failure (file, FileAccess::systemMessage (errno));
}
