#pragma once

#include "engine/transfer/TransferStatus.h"

#include <juce_audio_basics/juce_audio_basics.h>

#include <atomic>
#include <cstdint>
#include <functional>

class MidiManager;
class TransferPacer;

/** One paced exchange with the keyboard (a get, a send or a sync), run by the keyboard's
    TransferQueue on its thread. Its status is read from any thread; onChange is called (on the
    transfer or the MIDI input thread) whenever the status changes, never once execute has
    returned.

    A transfer during which the MIDI manager opened, closed or lost a port fails: its messages
    may have gone to a port that was no longer the keyboard's. */
class Transfer
{
public:
    Transfer (MidiManager& midiManager, const TransferStatus& initial, std::function<void()> onChange);
    virtual ~Transfer() = default;

    /** Runs the transfer to its end; called once, by the queue. First waits for the port while
        another program holds it (PortLock), up to portLockWaitMs (until cancelled when negative);
        a wait that runs out fails, naming the holder in the status. */
    void execute (TransferPacer& pacer, int portLockWaitMs = -1);

    /** Stops at the next message or wait; thread-safe. Takes effect at once for a transfer that
        has not started. */
    void cancel();
    bool isCancelled() const { return cancelled.load(); }

    TransferStatus getStatus() const;

    /** The MIDI manager's connection epoch when the transfer started (0 before). */
    std::uint64_t getStartEpoch() const { return startEpoch.load(); }

    /** True once execute is past its last call of onChange: only then may the owner of what
        onChange reaches forget the transfer. */
    bool hasEnded() const { return ended.load(); }

    /** Tests only: called on the changing thread after the status lock is released and before
        onChange, where a status already reads finished but the callback is still to come. */
    static inline std::function<void (Transfer&)> beforeChangeCallback;

protected:
    /** The exchange itself; true when it has done everything it set out to. */
    virtual bool run (TransferPacer& pacer) = 0;

    /** Waits for the pacer and sends; false once cancelled, or if the message could not go out
        or the ports changed. */
    bool sendPaced (TransferPacer& pacer, const juce::MidiMessage& message, double pauseMs);

    /** Waits until woken, cancelled or the time is up; false when cancelled. */
    bool waitFor (int milliseconds);
    void wake() { wakeUp.signal(); }

    bool portsUnchanged() const;
    void end (TransferStatus::State finalState);

    template <typename Change>
    void updateStatus (Change&& change)
    {
        {
            const juce::ScopedLock sl (statusLock);
            change (status);
        }

        if (beforeChangeCallback)
            beforeChangeCallback (*this);

        onChange();
    }

    MidiManager& midiManager;

private:
    mutable juce::CriticalSection statusLock;
    TransferStatus status;
    std::function<void()> onChange;
    std::atomic<bool> cancelled { false };
    std::atomic<std::uint64_t> startEpoch { 0 };
    std::atomic<bool> ended { false };
    juce::WaitableEvent wakeUp;

    JUCE_DECLARE_NON_COPYABLE (Transfer)
};
