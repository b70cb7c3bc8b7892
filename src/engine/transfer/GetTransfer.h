#pragma once

#include "engine/midi/MidiManager.h"
#include "engine/transfer/Transfer.h"
#include "model/controls/Control.h"

#include <optional>
#include <vector>

class ReplyRecord;

/** Reads one slot, or the same addresses of several slots one after another (the names of all
    slots): one read request per data byte, then, after each silent timeout, one for
    every address still without an agreed answer, until every address has one.

    Replies arrive on the MIDI input thread and carry no slot, so a late reply to an earlier get
    looks like an answer. Before the first request the input must have been quiet for the settle
    time, and after a get that left requests open for longer than the slowest reply seen; after
    that a reply counts only for an address already requested by this get. The first answer of an
    address stands until another differs; that address is then asked again, and a value stands
    once it has been heard twice and more often than any other. An address an earlier get left
    open needs two answers that agree from the start. */
class GetTransfer : public Transfer, private MidiManager::MidiManagerListener
{
public:
    struct Settings
    {
        juce::uint8 modelId = 0;
        TransferStatus::Kind kind = TransferStatus::Kind::get;
        juce::uint8 slot = 0; // the first slot read
        int slotCount = 1;
        int dataLength = 0; // addresses 0 .. dataLength - 1 of each slot
        double requestPauseMs = 3;
        int replyTimeoutMs = 2000;
        int maxAttempts = 9;
        int settleMs = 100;
        ReplyRecord* replies = nullptr; // the keyboard's, shared by its gets; none when null
    };

    GetTransfer (MidiManager& midiManager, const Settings& settings, std::function<void()> onChange);
    ~GetTransfer() override;

    /** The collected preset data; complete only once the transfer has succeeded. */
    Control::Bytes getData() const;

    /** The data of every slot read whole so far, in slot order from the first. */
    std::vector<Control::Bytes> getSlotsRead() const;

    /** The value the answers heard for one address agree on, if any: the first answer while
        no other differs, unless two are needed; otherwise the value heard most often, at least
        twice. */
    static std::optional<juce::uint8> agreedValue (const std::vector<juce::uint8>& answers, bool twoNeeded = false);

private:
    struct Address
    {
        std::vector<juce::uint8> answers; // every answer heard, in order
        std::optional<juce::uint8> agreed;
        int requests = 0;
        double firstRequestMs = 0.0, lastRequestMs = 0.0;
        bool twoNeeded = false; // an earlier get's answer to it may still come
    };

    bool run (TransferPacer& pacer) override;
    bool readSlot (TransferPacer& pacer, int slotIndex);
    void beginSlot (int slotIndex);
    void settle (int leastQuietMs = 0);
    void doubtEarlierOpenRequests();
    bool requestAll (TransferPacer& pacer);
    bool request (TransferPacer& pacer, int address);
    bool awaitReplies (TransferPacer& pacer);
    std::vector<int> takeDisputed();
    void handleMidiMessage (const juce::MidiMessage& message) override;
    bool isComplete() const;
    bool isAgreed (int address) const;
    void recordOpenRequests (ReplyRecord& record) const;

    const Settings settings;

    // Shared with the MIDI input thread.
    mutable juce::CriticalSection lock;
    std::vector<Address> addresses;
    std::vector<int> disputed; // to be asked again
    bool anyDispute = false;
    int agreedCount = 0;
    int requestedCount = 0; // addresses 0 .. requestedCount - 1 have been asked for
    double lastReplyMs = 0.0;
    juce::uint8 slot = 0; // the one being read
    std::vector<Control::Bytes> slotsRead;
};
