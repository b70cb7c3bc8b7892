#include "engine/transfer/Transfer.h"

#include "engine/midi/MidiManager.h"
#include "engine/transfer/TransferPacer.h"

using State = TransferStatus::State;

Transfer::Transfer (MidiManager& midiManagerIn, const TransferStatus& initial, std::function<void()> onChangeIn)
    : midiManager (midiManagerIn),
      status (initial),
      onChange (std::move (onChangeIn))
{
}

void Transfer::execute (TransferPacer& pacer)
{
    startEpoch = midiManager.getConnectionEpoch();
    updateStatus ([] (TransferStatus& s) { s.state = State::running; });

    const auto completed = ! isCancelled() && run (pacer);
    const auto finalState = isCancelled()                   ? State::cancelled
                            : completed && portsUnchanged() ? State::succeeded
                                                            : State::failed;

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
