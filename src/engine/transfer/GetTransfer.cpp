#include "engine/transfer/GetTransfer.h"

#include "engine/protocol/SysExMessages.h"
#include "engine/transfer/ReplyRecord.h"
#include "engine/transfer/TransferPacer.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

GetTransfer::GetTransfer (MidiManager& midiManagerIn, const Settings& settingsIn, std::function<void()> onChangeIn)
    : Transfer (
        midiManagerIn,
        [&settingsIn] {
            TransferStatus initial;
            initial.kind = settingsIn.kind;
            initial.slot = settingsIn.slot;
            initial.total = settingsIn.dataLength * settingsIn.slotCount;
            initial.maxAttempts = settingsIn.maxAttempts;
            return initial;
        }(),
        std::move (onChangeIn)),
      settings (settingsIn),
      addresses (static_cast<size_t> (settingsIn.dataLength)),
      slot (settingsIn.slot)
{
}

GetTransfer::~GetTransfer()
{
    midiManager.removeListener (this);
}

Control::Bytes GetTransfer::getData() const
{
    const juce::ScopedLock sl (lock);
    Control::Bytes data;

    for (const auto& address : addresses)
        data.add (address.agreed.value_or (0));

    return data;
}

std::vector<Control::Bytes> GetTransfer::getSlotsRead() const
{
    const juce::ScopedLock sl (lock);
    return slotsRead;
}

std::optional<juce::uint8> GetTransfer::agreedValue (const std::vector<juce::uint8>& answers, bool twoNeeded)
{
    if (answers.empty())
        return std::nullopt;

    if (! twoNeeded
        && std::all_of (answers.begin(), answers.end(), [&] (juce::uint8 value) { return value == answers.front(); }))
        return answers.front();

    std::map<juce::uint8, int> counts;

    for (const auto value : answers)
        ++counts[value];

    const auto best = std::max_element (counts.begin(), counts.end(),
                                        [] (const auto& a, const auto& b) { return a.second < b.second; });
    const auto ties =
        std::count_if (counts.begin(), counts.end(), [&] (const auto& entry) { return entry.second == best->second; });

    if (best->second >= 2 && ties == 1)
        return best->first;

    return std::nullopt;
}

bool GetTransfer::run (TransferPacer& pacer)
{
    midiManager.addListener (this);
    bool complete = true;

    for (int i = 0; complete && i < settings.slotCount; ++i)
        complete = readSlot (pacer, i);

    midiManager.removeListener (this);
    return complete;
}

bool GetTransfer::readSlot (TransferPacer& pacer, int slotIndex)
{
    beginSlot (slotIndex);

    // Once every request of the slot before has had its one answer, nothing more can come. If
    // one is still owed, its answer would carry an address this slot asks for too, so the line
    // must stay quiet for longer than a reply can be late and still be asked for again.
    if (slotIndex == 0 || settings.replies == nullptr)
        settle();
    else if (settings.replies->stragglersPossible())
        settle (2 * settings.replyTimeoutMs);

    doubtEarlierOpenRequests();
    bool complete = false;

    for (int attempt = 1; complete == false && attempt <= settings.maxAttempts; ++attempt)
    {
        updateStatus ([attempt] (TransferStatus& s) { s.attempt = attempt; });

        if (! requestAll (pacer))
            break;

        complete = awaitReplies (pacer);

        if (isCancelled())
            break;
    }

    if (settings.replies != nullptr)
        recordOpenRequests (*settings.replies);

    const juce::ScopedLock sl (lock);

    if (agreedCount < settings.dataLength)
        return false;

    Control::Bytes data;

    for (const auto& address : addresses)
        data.add (address.agreed.value_or (0));

    slotsRead.push_back (data);
    return true;
}

void GetTransfer::beginSlot (int slotIndex)
{
    const juce::ScopedLock sl (lock);
    slot = static_cast<juce::uint8> (settings.slot + slotIndex);

    if (slotIndex > 0)
    {
        addresses.assign (static_cast<size_t> (settings.dataLength), {});
        disputed.clear();
        anyDispute = false;
        agreedCount = 0;
        requestedCount = 0;
    }
}

// Returns once the input has been quiet long enough, or after one reply timeout more of steady
// chatter, or when cancelled.
void GetTransfer::settle (int leastQuietMs)
{
    const auto start = TransferPacer::steadyMilliseconds();

    {
        const juce::ScopedLock sl (lock);
        lastReplyMs = start;
    }

    for (;;)
    {
        // Read afresh: a straggler heard meanwhile may have been the slowest reply yet.
        const auto quietMs =
            juce::jmax (static_cast<double> (leastQuietMs), settings.replies != nullptr
                                                                ? settings.replies->quietNeededMs (settings.settleMs)
                                                                : static_cast<double> (settings.settleMs));
        double quietUntil = 0.0;

        {
            const juce::ScopedLock sl (lock);
            quietUntil = lastReplyMs + quietMs;
        }

        const auto now = TransferPacer::steadyMilliseconds();

        if (now >= quietUntil || now - start >= quietMs + settings.replyTimeoutMs || isCancelled())
            return;

        waitFor (juce::jmax (1, static_cast<int> (quietUntil - now)));
    }
}

void GetTransfer::doubtEarlierOpenRequests()
{
    if (settings.replies == nullptr)
        return;

    const auto open = settings.replies->getOpenRequests();
    const juce::ScopedLock sl (lock);

    for (const auto& request : open)
        if (juce::isPositiveAndBelow (request.first, settings.dataLength))
            addresses[static_cast<size_t> (request.first)].twoNeeded = true;
}

// The first attempt asks for every address; later ones only for those still without an answer.
bool GetTransfer::requestAll (TransferPacer& pacer)
{
    for (int address = 0; address < settings.dataLength && ! isComplete(); ++address)
        if (! isAgreed (address) && ! request (pacer, address))
            return false;

    return true;
}

bool GetTransfer::request (TransferPacer& pacer, int address)
{
    {
        // Before the request goes, so that an answer arriving at once counts.
        const juce::ScopedLock sl (lock);
        requestedCount = juce::jmax (requestedCount, address + 1);
        auto& state = addresses[static_cast<size_t> (address)];

        state.lastRequestMs = TransferPacer::steadyMilliseconds();

        if (state.requests++ == 0)
            state.firstRequestMs = state.lastRequestMs;
    }

    juce::uint8 slotAsked = 0;

    {
        const juce::ScopedLock sl (lock);
        slotAsked = slot;
    }

    const auto message = SysExMessages::readRequest (settings.modelId, slotAsked, address);
    return sendPaced (pacer, SysExMessages::toMidiMessage (message), settings.requestPauseMs);
}

// Waits out the reply timeout, asking again at once for every address whose answers disagree.
bool GetTransfer::awaitReplies (TransferPacer& pacer)
{
    const auto deadline = TransferPacer::steadyMilliseconds() + settings.replyTimeoutMs;

    while (! isComplete())
    {
        for (const auto address : takeDisputed())
            if (! request (pacer, address))
                return false;

        const auto remaining = deadline - TransferPacer::steadyMilliseconds();

        if (remaining <= 0.0 || ! waitFor (static_cast<int> (std::ceil (remaining))))
            return false;
    }

    return true;
}

std::vector<int> GetTransfer::takeDisputed()
{
    const juce::ScopedLock sl (lock);
    return std::exchange (disputed, {});
}

void GetTransfer::handleMidiMessage (const juce::MidiMessage& message)
{
    const auto reply = SysExMessages::parseReadReply (message);

    if (! reply.has_value())
        return;

    const auto now = TransferPacer::steadyMilliseconds();
    double tookMs = 0.0;
    bool counts = false, changed = false, askAgain = false;
    int count = 0, doneBefore = 0;

    {
        const juce::ScopedLock sl (lock);
        lastReplyMs = now;

        // Once complete the get is over: nothing heard after may change what it applies.
        counts = juce::isPositiveAndBelow (reply->address, requestedCount) && agreedCount < settings.dataLength;
    }

    if (settings.replies != nullptr)
        settings.replies->answerHeard (reply->address, now, ! counts);

    if (! counts)
        return;

    {
        const juce::ScopedLock sl (lock);

        auto& state = addresses[static_cast<size_t> (reply->address)];
        const auto wasAgreed = state.agreed.has_value();
        state.answers.push_back (reply->value);
        state.agreed = agreedValue (state.answers, state.twoNeeded);
        tookMs = now - state.firstRequestMs;

        if (wasAgreed != state.agreed.has_value())
        {
            agreedCount += wasAgreed ? -1 : 1;
            changed = true;
        }

        if (! state.agreed.has_value())
        {
            anyDispute = askAgain = true;

            if (std::find (disputed.begin(), disputed.end(), reply->address) == disputed.end())
                disputed.push_back (reply->address);
        }

        count = agreedCount;
        doneBefore = static_cast<int> (slotsRead.size()) * settings.dataLength;
    }

    if (settings.replies != nullptr)
        settings.replies->replyTook (tookMs);

    if (changed)
        updateStatus ([done = doneBefore + count] (TransferStatus& s) { s.done = done; });

    if (askAgain || count == settings.dataLength)
        wake();
}

bool GetTransfer::isComplete() const
{
    const juce::ScopedLock sl (lock);
    return agreedCount == settings.dataLength;
}

bool GetTransfer::isAgreed (int address) const
{
    const juce::ScopedLock sl (lock);
    return addresses[static_cast<size_t> (address)].agreed.has_value();
}

// Requests without their answer may still be answered, as late as the slowest reply.
void GetTransfer::recordOpenRequests (ReplyRecord& record) const
{
    ReplyRecord::OpenRequests open;
    const juce::ScopedLock sl (lock);

    for (size_t i = 0; i < addresses.size(); ++i)
        if (addresses[i].requests > static_cast<int> (addresses[i].answers.size()))
            open[static_cast<int> (i)] = addresses[i].lastRequestMs;

    record.getEnded (open, anyDispute);
}
