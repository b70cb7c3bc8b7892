#include "engine/midi/MidiLog.h"

namespace
{
constexpr int writerWakeIntervalMs = 200;

std::unique_ptr<juce::FileOutputStream> createFresh (const juce::File& file)
{
    file.getParentDirectory().createDirectory();
    auto stream = std::make_unique<juce::FileOutputStream> (file);

    if (! stream->openedOk() || ! stream->setPosition (0) || stream->truncate().failed())
        return nullptr;

    return stream;
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
      stream (createFresh (fileIn)),
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

void MidiLog::flush()
{
    if (isOpen())
        writePending();
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

bool MidiLog::writePending()
{
    const juce::ScopedLock writing (writeLock);
    std::vector<Entry> pending;

    {
        const juce::ScopedLock sl (queueLock);
        pending.swap (queue);
    }

    if (pending.empty())
        return true;

    juce::String text;

    for (const auto& entry : pending)
        text << formatLine (entry.elapsedMs, entry.direction, entry.bytes.data(), static_cast<int> (entry.bytes.size()))
             << "\n";

    const auto written = stream->writeText (text, false, false, "\n");
    stream->flush();
    return written;
}
