#pragma once

#include <juce_core/juce_core.h>

/** Where one transfer between an engine and the keyboard stands; the engine hands a copy to its
    listeners on the message thread whenever it changes. */
struct TransferStatus
{
    enum class Kind
    {
        get,
        send,
        sync,
        names // the names of every slot
    };

    enum class State
    {
        waiting, // behind another transfer to the same keyboard
        running,
        succeeded,
        failed,
        cancelled
    };

    Kind kind = Kind::get;
    juce::uint8 slot = 0; // zero-based (the first, for names); for a sync, 1 for external and 0 for internal
    State state = State::waiting;
    int done = 0; // addresses answered (get) or messages sent (send, sync)
    int total = 0;
    int attempt = 1; // a get's current attempt, from 1
    int maxAttempts = 1;
    bool mayBePartlyWritten = false; // a send that ended early after writing something
    juce::String portHolder;         // another program holding the port, while waited for (PortLock)

    bool isFinished() const { return state != State::waiting && state != State::running; }

    bool operator== (const TransferStatus& other) const
    {
        return kind == other.kind && slot == other.slot && state == other.state && done == other.done
               && total == other.total && attempt == other.attempt && maxAttempts == other.maxAttempts
               && mayBePartlyWritten == other.mayBePartlyWritten && portHolder == other.portHolder;
    }

    bool operator!= (const TransferStatus& other) const { return ! (*this == other); }
};
