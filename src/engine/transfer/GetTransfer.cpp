#include "engine/transfer/GetTransfer.h"

#include "engine/protocol/SysExMessages.h"
#include "engine/transfer/TransferPacer.h"

GetTransfer::GetTransfer (MidiManager& midiManagerIn, const Settings& settingsIn, std::function<void()> onChangeIn)
    : Transfer (
        midiManagerIn,
        [&settingsIn] {
            TransferStatus initial;
            initial.kind = TransferStatus::Kind::get;
            initial.slot = settingsIn.slot;
            initial.total = settingsIn.dataLength;
            initial.maxAttempts = settingsIn.maxAttempts;
            return initial;
        }(),
        std::move (onChangeIn)),
      settings (settingsIn),
      answered (static_cast<size_t> (settingsIn.dataLength), false)
{
    data.insertMultiple (0, 0, settings.dataLength);
}

GetTransfer::~GetTransfer()
{
    midiManager.removeListener (this);
}

Control::Bytes GetTransfer::getData() const
{
    const juce::ScopedLock sl (lock);
    return data;
}

bool GetTransfer::run (TransferPacer& pacer)
{
    midiManager.addListener (this);
    settle();
    bool complete = false;

    for (int attempt = 1; complete == false && attempt <= settings.maxAttempts; ++attempt)
    {
        updateStatus ([attempt] (TransferStatus& s) { s.attempt = attempt; });

        if (! requestAll (pacer))
            break;

        complete = isComplete() || (waitFor (settings.replyTimeoutMs) && isComplete());

        if (isCancelled())
            break;
    }

    midiManager.removeListener (this);
    return isComplete();
}

// Returns once the input has been quiet long enough, or after one reply timeout of steady
// chatter, or when cancelled.
void GetTransfer::settle()
{
    const auto start = TransferPacer::steadyMilliseconds();

    {
        const juce::ScopedLock sl (lock);
        lastReplyMs = start;
    }

    for (;;)
    {
        double quietUntil = 0.0;

        {
            const juce::ScopedLock sl (lock);
            quietUntil = lastReplyMs + settings.settleMs;
        }

        const auto now = TransferPacer::steadyMilliseconds();

        if (now >= quietUntil || now - start >= settings.replyTimeoutMs || isCancelled())
            return;

        waitFor (juce::jmax (1, static_cast<int> (quietUntil - now)));
    }
}

bool GetTransfer::requestAll (TransferPacer& pacer)
{
    for (int address = 0; address < settings.dataLength && ! isComplete(); ++address)
    {
        {
            // Before the request goes, so that an answer arriving at once counts.
            const juce::ScopedLock sl (lock);
            requestedCount = juce::jmax (requestedCount, address + 1);
        }

        const auto request = SysExMessages::readRequest (settings.modelId, settings.slot, address);

        if (! sendPaced (pacer, SysExMessages::toMidiMessage (request), settings.requestPauseMs))
            return false;
    }

    return true;
}

void GetTransfer::handleMidiMessage (const juce::MidiMessage& message)
{
    const auto reply = SysExMessages::parseReadReply (message);

    if (! reply.has_value())
        return;

    bool progressed = false;
    int count = 0;

    {
        const juce::ScopedLock sl (lock);
        lastReplyMs = TransferPacer::steadyMilliseconds();

        if (! juce::isPositiveAndBelow (reply->address, requestedCount))
            return;

        data.set (reply->address, reply->value);
        auto&& isAnswered = answered[static_cast<size_t> (reply->address)];

        if (! isAnswered)
        {
            isAnswered = true;
            progressed = true;
            count = ++answeredCount;
        }
    }

    if (! progressed)
        return;

    updateStatus ([count] (TransferStatus& s) { s.done = count; });

    if (count == settings.dataLength)
        wake();
}

bool GetTransfer::isComplete() const
{
    const juce::ScopedLock sl (lock);
    return answeredCount == settings.dataLength;
}
