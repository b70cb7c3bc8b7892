#pragma once

#include "engine/midi/MidiManager.h"
#include "engine/transfer/ReplyRecord.h"
#include "engine/transfer/TransferQueue.h"

/** One keyboard connection: its MIDI ports and the one line that every engine's transfers take
    to it, one at a time. Owning both here keeps the ports free of any knowledge of transfers. */
class KeyboardLink
{
public:
    /** Uses the system's MIDI ports. */
    KeyboardLink() = default;

    explicit KeyboardLink (std::shared_ptr<MidiPortLayer> ports) : midiManager (std::move (ports)) {}

    MidiManager& getMidiManager() { return midiManager; }
    const MidiManager& getMidiManager() const { return midiManager; }
    TransferQueue& getTransferQueue() { return transferQueue; }
    ReplyRecord& getReplyRecord() { return replyRecord; }

private:
    MidiManager midiManager;
    ReplyRecord replyRecord;

    // After the manager, so the queue stops before anything it sends through goes.
    TransferQueue transferQueue;

    JUCE_DECLARE_NON_COPYABLE (KeyboardLink)
};
