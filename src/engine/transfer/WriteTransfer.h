#pragma once

#include "engine/transfer/Transfer.h"

#include <vector>

/** Sends a fixed list of messages, each followed by the pause: a preset's write messages, or
    the one sync message. The keyboard does not answer. */
class WriteTransfer : public Transfer
{
public:
    WriteTransfer (MidiManager& midiManager, const TransferStatus& initial, std::vector<juce::MidiMessage> messages,
                   double pauseMs, std::function<void()> onChange);

private:
    bool run (TransferPacer& pacer) override;

    const std::vector<juce::MidiMessage> messages;
    const double pauseMs;
};
