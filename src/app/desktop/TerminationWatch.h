#pragma once

#include <juce_events/juce_events.h>

#include <atomic>

/** Ends the program promptly, and without questions, when it is told to (SIGTERM, SIGINT,
    SIGHUP) or loses its X connection, after a last action on the message thread (writing the
    recovery files). A signal handler only sets a flag, which a timer on the message thread
    polls. Xlib ends the process once its handler for a broken connection returns, so that
    handler runs the last action itself, on the message thread where JUCE reads its events. */
class TerminationWatch : private juce::Timer
{
public:
    /** signalled runs on the message thread with the signal's number; displayLost runs inside
        Xlib's handler, where no X call may be made. Install after the first window is shown, once
        JUCE has put its own X handlers in place. */
    TerminationWatch (std::function<void (int signal)> signalled, std::function<void()> displayLost);

    /** Puts the previous signal and X handlers back. */
    ~TerminationWatch() override;

    /** Whether the X handler could be put in place (the X library loaded and offering it). */
    bool watchesDisplay() const { return setDisplayHandler != nullptr; }

    /** What the signal handler does: only a lock-free store. */
    static void noteSignal (int signal);

    static constexpr int pollMs = 100;

private:
    using DisplayHandler = int (*) (struct _XDisplay*);
    using SetDisplayHandler = DisplayHandler (*) (DisplayHandler);

    void timerCallback() override;
    void watchDisplay();
    static int displayBroken (struct _XDisplay* display);

    std::function<void (int)> signalled;
    std::function<void()> displayLost;
    void* x11 = nullptr;
    SetDisplayHandler setDisplayHandler = nullptr;
    DisplayHandler previousDisplayHandler = nullptr;

    static std::atomic<int> pendingSignal;
    static TerminationWatch* current;

    JUCE_DECLARE_NON_COPYABLE (TerminationWatch)
};
