#pragma once

#include <functional>

/** Spaces the messages to one keyboard: each message goes out at least the pause of the one
    before it after that one actually went, however late that was. A stalled thread therefore
    never makes the next messages crowd in to catch up.

    Used by one thread at a time (the transfer thread). The clock and the sleep can be replaced,
    so that tests can stall the thread without depending on timing. */
class TransferPacer
{
public:
    using Clock = std::function<double()>;      // milliseconds, never decreasing
    using Sleep = std::function<void (double)>; // sleeps about that many milliseconds

    TransferPacer();
    TransferPacer (Clock clock, Sleep sleep);

    /** Returns once the pause after the previous message has passed. */
    void waitForTurn();

    /** Records that a message has just gone out and needs this pause after it. */
    void messageSent (double pauseMs);

    double now() const { return clock(); }

    static double steadyMilliseconds();

    /** Gives the calling thread a low realtime priority where the user may have one (an audio
        group's limit, say), so that other busy threads cannot make the messages late; elsewhere
        the thread stays as it is. */
    static void raiseThreadPriorityWherePermitted();

    /** Sleeps most of the time and yields through the last fraction of a millisecond, because a
        plain sleep overshoots by more than the pacing can afford. */
    static void preciseSleep (double milliseconds);

private:
    Clock clock;
    Sleep sleep;
    double nextAllowed = 0.0;
};
