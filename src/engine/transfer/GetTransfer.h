#pragma once

#include "engine/midi/MidiManager.h"
#include "engine/transfer/Transfer.h"
#include "model/Control.h"

#include <vector>

/** Reads one slot: one read request per data byte, the whole loop again after each silent
    timeout, until every address has been answered at least once since the get began.

    Replies arrive on the MIDI input thread. Before the first request the input must have been
    quiet for the settle time, so a straggler of an earlier transfer cannot count; after that a
    reply counts only for an address already requested by this get. Answers are kept across
    attempts, and once every address has one no further request goes out. */
class GetTransfer : public Transfer, private MidiManager::MidiManagerListener
{
public:
    struct Settings
    {
        juce::uint8 modelId = 0;
        juce::uint8 slot = 0;
        int dataLength = 0;
        double requestPauseMs = 3;
        int replyTimeoutMs = 2000;
        int maxAttempts = 9;
        int settleMs = 100;
    };

    GetTransfer (MidiManager& midiManager, const Settings& settings, std::function<void()> onChange);
    ~GetTransfer() override;

    /** The collected preset data; complete only once the transfer has succeeded. */
    Control::Bytes getData() const;

private:
    bool run (TransferPacer& pacer) override;
    void settle();
    bool requestAll (TransferPacer& pacer);
    void handleMidiMessage (const juce::MidiMessage& message) override;
    bool isComplete() const;

    const Settings settings;

    // Shared with the MIDI input thread.
    mutable juce::CriticalSection lock;
    Control::Bytes data;
    std::vector<bool> answered;
    int answeredCount = 0;
    int requestedCount = 0; // addresses 0 .. requestedCount - 1 have been asked for
    double lastReplyMs = 0.0;
};
