#pragma once

#include <juce_core/juce_core.h>

#include <functional>

/** Keeps the programs of one user (the editor, another editor on another display, the tool) from
    mixing their messages on one keyboard: an advisory lock (flock) on a file named after the
    port in the runtime folder, which holds the holder's program name and process id. Held for
    one transfer; released when the object goes, also when the transfer failed or was cancelled. */
class PortLock
{
public:
    /** Waits between tries, false to stop waiting (a cancel). */
    using Pause = std::function<bool (int milliseconds)>;

    /** Told who holds the port, again whenever another holder takes it. */
    using Waiting = std::function<void (const juce::String& holder)>;

    enum class Outcome
    {
        acquired,
        stopped,
        timedOut,
        unavailable // no lock file could be had; the transfer goes on unguarded
    };

    explicit PortLock (const juce::File& lockFile);
    ~PortLock();

    /** The lock file for a port, in the runtime folder; none where there is no such folder. */
    static juce::File fileFor (const juce::String& portName);

    /** Tries at once, then after each pause until limitMs have passed (never, when negative). */
    Outcome acquire (int limitMs, const Pause& pause, const Waiting& waiting);

    /** "qx61-tool (process 1234)": who held the port at the last try that found it held. */
    const juce::String& getHolder() const { return holder; }

    static constexpr int retryMs = 50;

private:
    bool tryLock();
    juce::String readHolder() const;

    juce::File file;
    int fd = -1;
    bool held = false;
    juce::String holder;

    JUCE_DECLARE_NON_COPYABLE (PortLock)
};
