#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <vector>

/** Writes every MIDI message the program sends and receives to a text file, one line each:
    milliseconds since the log was opened (three decimals), OUT or IN, then the bytes in hex,
    e.g. "12.042 OUT F0 00 7E 2A 00 40 65 00 03 00 00 10 F7".

    Logging a message only stamps it and queues it under a short lock, so the MIDI input thread is
    never held up by the disk; a thread of its own writes. Every queued line is written before the
    destructor returns. The first write that fails ends the log, and flush() reports it.
*/
class MidiLog : private juce::Thread
{
public:
    enum class Direction
    {
        out,
        in
    };

    static constexpr const char* commandLineOption = "--midi-log=";

    /** The log named by a "--midi-log=FILE" argument (relative to the working folder), or null
        when there is none. */
    static std::shared_ptr<MidiLog> fromArguments (const juce::StringArray& arguments);

    /** Starts the file afresh; isOpen() tells whether it could be created. */
    explicit MidiLog (const juce::File& file);
    ~MidiLog() override;

    bool isOpen() const { return fd >= 0; }
    const juce::File& getFile() const { return file; }

    void logOutgoing (const juce::MidiMessage& message) { log (Direction::out, message); }
    void logIncoming (const juce::MidiMessage& message) { log (Direction::in, message); }
    void log (Direction direction, const juce::MidiMessage& message);

    /** Blocks until everything logged so far is in the file; fails with "PATH: reason" once a
        write has failed. */
    juce::Result flush();

    static juce::String formatLine (double elapsedMs, Direction direction, const juce::uint8* data, int size);

private:
    struct Entry
    {
        double elapsedMs;
        Direction direction;
        std::vector<juce::uint8> bytes;
    };

    void run() override;
    void writePending();

    const juce::File file;
    const int fd;
    const double openedAtMs;

    juce::CriticalSection queueLock;
    std::vector<Entry> queue;

    // Serialises the writer thread and flush() on the file, and guards the status.
    juce::CriticalSection writeLock;
    juce::Result status = juce::Result::ok();

    JUCE_DECLARE_NON_COPYABLE (MidiLog)
};
