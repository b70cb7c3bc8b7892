#include "app/dialogs/AllSlotsTransfer.h"

#include "engine/files/PresetFile.h"
#include "model/controls/ControlNames.h"

namespace
{
// The engine's own failure message, or what is known of a failure reported without one.
juce::String reasonFor (const juce::String& message, bool restoring)
{
    if (message.isNotEmpty())
        return message;

    return restoring ? "the keyboard did not take every message" : "no complete answer from the keyboard";
}
} // namespace

AllSlotsTransfer::AllSlotsTransfer (QXEditorEngine& engineIn, const juce::File& folderIn, Ended endedIn)
    : engine (engineIn),
      folder (folderIn),
      ended (std::move (endedIn))
{
    engine.addListener (this);
}

AllSlotsTransfer::~AllSlotsTransfer()
{
    engine.removeListener (this);
}

void AllSlotsTransfer::startBackup()
{
    restoring = false;
    next = 0;
    startNext();
}

juce::Result AllSlotsTransfer::checkFiles()
{
    presets.assign (static_cast<size_t> (numSlots), {});

    for (int slot = 0; slot < numSlots; ++slot)
    {
        const auto checked = PresetFile (PresetFile::forSlot (folder, slot + 1))
                                 .readSendable (engine.getPresetLength(), presets[static_cast<size_t> (slot)],
                                                [this] (int dataOffset) { return placeOf (dataOffset); });

        if (checked.failed())
            return checked;
    }

    return juce::Result::ok();
}

void AllSlotsTransfer::startRestore()
{
    jassert (presets.size() == static_cast<size_t> (numSlots)); // checkFiles() passed first
    restoring = true;
    next = 0;
    startNext();
}

juce::String AllSlotsTransfer::placeOf (int dataOffset) const
{
    return ControlNames::describeDataByte (engine.getModel(), dataOffset);
}

void AllSlotsTransfer::startNext()
{
    if (next >= numSlots || stopped)
        return end();

    const auto slot = static_cast<juce::uint8> (next);
    lastFailure.clear();

    if (! restoring)
        return engine.startGet (slot);

    engine.applyPreset (presets[static_cast<size_t> (next)]);

    // A refused send has told the listeners why, and nothing of it was sent.
    if (! engine.sendPreset (slot))
        triggerAsyncUpdate();
}

void AllSlotsTransfer::transferChanged (const TransferStatus& status)
{
    const auto kind = restoring ? TransferStatus::Kind::send : TransferStatus::Kind::get;

    if (status.kind != kind || ! status.isFinished() || status.slot != next)
        return;

    stopped = stopped || status.state == TransferStatus::State::cancelled;
    // The engine applies a get and reports a failure only after telling its listeners of the end.
    triggerAsyncUpdate();
}

void AllSlotsTransfer::transferSucceeded (TransferStatus::Kind kind, juce::uint8 slot)
{
    if (slot != next || kind != (restoring ? TransferStatus::Kind::send : TransferStatus::Kind::get))
        return;

    if (! restoring)
    {
        const auto saved = PresetFile (PresetFile::forSlot (folder, next + 1)).save (engine.buildPresetMessage (0));

        if (saved.failed())
            return failSlot (saved.getErrorMessage());
    }

    written.add (juce::String (next + 1));
}

void AllSlotsTransfer::midiCommunicationFailed (const juce::String& message)
{
    lastFailure = reasonFor (message, restoring);
}

void AllSlotsTransfer::handleAsyncUpdate()
{
    const auto done = written.contains (juce::String (next + 1));

    if (! done && ! stopped)
        failSlot (reasonFor (lastFailure, restoring));

    // A restore stops at its first failure: the slots after it keep what they held.
    stopped = stopped || (restoring && ! done);
    ++next;
    startNext();
}

void AllSlotsTransfer::failSlot (const juce::String& reason)
{
    failures.add ("slot " + juce::String (next + 1) + (restoring ? " could not be written: " : " could not be read: ")
                  + reason);
}

void AllSlotsTransfer::end()
{
    const auto report = restoring ? restoreReport() : backupReport();
    next = numSlots;

    if (ended)
        ended (report);
}

juce::String AllSlotsTransfer::backupReport() const
{
    auto report = "Wrote " + juce::String (written.size()) + " of " + juce::String (numSlots) + " slots to "
                  + folder.getFullPathName();

    for (const auto& failure : failures)
        report << "; " << failure;

    return report + (stopped ? "; cancelled." : ".");
}

juce::String AllSlotsTransfer::restoreReport() const
{
    if (written.size() == numSlots)
        return "Restored all " + juce::String (numSlots) + " slots from " + folder.getFullPathName() + ".";

    const auto wrote = written.isEmpty()
                           ? juce::String ("no slot was written")
                           : "slots " + written[0] + " to " + written[written.size() - 1] + " were written";
    const auto why = failures.isEmpty() ? juce::String ("Restore cancelled") : "Restore stopped: " + failures[0];
    return why + "; " + wrote + ".";
}
