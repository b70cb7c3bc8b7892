#include "engine/transfer/Transfer.h"

#include "engine/midi/MidiManager.h"
#include "engine/transfer/PortLock.h"
#include "engine/transfer/TransferPacer.h"

using State = TransferStatus::State;

Transfer::Transfer (MidiManager& midiManagerIn, const TransferStatus& initial, std::function<void()> onChangeIn)
    : midiManager (midiManagerIn),
      status (initial),
      onChange (std::move (onChangeIn))
{
}

void Transfer::execute (TransferPacer& pacer, int portLockWaitMs)
{
    // Held until the transfer has ended, however it ends.
    PortLock lock (PortLock::fileFor (midiManager.getOutputDeviceName()));
    const auto locked = lock.acquire (
        portLockWaitMs, [this] (int milliseconds) { return waitFor (milliseconds); },
        [this] (const juce::String& holder) {
            updateStatus ([&holder] (TransferStatus& s) { s.portHolder = holder; });
        });

    if (locked == PortLock::Outcome::stopped || locked == PortLock::Outcome::timedOut)
        return end (isCancelled() ? State::cancelled : State::failed);

    startEpoch = midiManager.getConnectionEpoch();
    updateStatus ([] (TransferStatus& s) {
        s.state = State::running;
        s.portHolder.clear();
    });

    const auto completed = ! isCancelled() && run (pacer);
    end (isCancelled() ? State::cancelled : completed && portsUnchanged() ? State::succeeded : State::failed);
}

void Transfer::end (State finalState)
{
    updateStatus ([finalState] (TransferStatus& s) {
        s.state = finalState;
        s.mayBePartlyWritten = s.kind == TransferStatus::Kind::send && finalState != State::succeeded && s.done > 0;
    });

    ended = true;
}

void Transfer::cancel()
{
    cancelled = true;
    wakeUp.signal();
}

TransferStatus Transfer::getStatus() const
{
    const juce::ScopedLock sl (statusLock);
    return status;
}

bool Transfer::sendPaced (TransferPacer& pacer, const juce::MidiMessage& message, double pauseMs)
{
    pacer.waitForTurn();

    if (isCancelled() || ! portsUnchanged() || ! midiManager.sendMessage (message))
        return false;

    pacer.messageSent (pauseMs);
    return true;
}

bool Transfer::waitFor (int milliseconds)
{
    wakeUp.wait (milliseconds);
    return ! isCancelled();
}

bool Transfer::portsUnchanged() const
{
    return midiManager.getConnectionEpoch() == startEpoch.load();
}
