#include "cli/PresetTransfer.h"

#include "cli/PresetJson.h"
#include "engine/files/PresetFile.h"
#include "engine/midi/MidiLog.h"
#include "engine/protocol/SysExMessages.h"

PresetTransfer::PresetTransfer (KeyboardLink& keyboardIn, const ModelConstants& constantsIn, std::ostream& diagnostics)
    : keyboard (keyboardIn),
      constants (constantsIn),
      highestSplitPoint (constants.getHighestSplitPoint()),
      engine (new QXEditorEngine (constants.modelId, keyboard, constants.presetFilePattern, highestSplitPoint,
                                  constants.maxKeybedOctave, constants.numKnobs, constants.numPads,
                                  constants.numSwitches))
{
    engine->addListener (this);
    engine->setDiagnosticStream (diagnostics);
}

PresetTransfer::~PresetTransfer()
{
    engine->removeListener (this);
}

void PresetTransfer::setTiming (const QXEditorEngine::Timing& timing)
{
    engine->setTiming (timing);
}

juce::Result PresetTransfer::getToFile (int slotIndex, const juce::File& target)
{
    const PresetFile file (target);

    if (const auto savable = file.checkSavable(); savable.failed())
        return savable;

    beginTransfer();
    engine->startGet (static_cast<juce::uint8> (slotIndex));
    waitForTransfer();

    if (failed)
        return midiFailure ("no complete answer from the keyboard after every retry");

    return file.save (engine->buildPresetMessage (0));
}

juce::Result PresetTransfer::loadFile (const juce::File& source)
{
    PresetFile::Bytes message;
    const auto placeOf = [this, &message] (int dataOffset) {
        const auto& model = engine->getModel();
        PresetModel named (model.getLayout(), highestSplitPoint, constants.maxKeybedOctave);
        const juce::uint8* data = message.getRawDataPointer() + PresetLayout::messageDataStart;
        named.applyData ({ data, model.getLayout().dataLength() });
        return PresetJson::placeOf (named, dataOffset);
    };

    if (const auto checked = PresetFile (source).readSendable (engine->getPresetLength(), message, placeOf);
        checked.failed())
        return checked;

    engine->applyPreset (message);
    return juce::Result::ok();
}

juce::Result PresetTransfer::sendLoaded (int slotIndex)
{
    beginTransfer();

    if (! engine->sendPreset (static_cast<juce::uint8> (slotIndex)))
        return midiFailure ("the preset could not be sent");

    waitForTransfer();

    if (failed)
        return midiFailure ("the preset could not be sent");

    return juce::Result::ok();
}

juce::Result PresetTransfer::sync (bool external)
{
    beginTransfer();

    if (! engine->setSync (external))
        return midiFailure ("the sync message could not be sent");

    waitForTransfer();

    if (failed)
        return midiFailure ("the sync message could not be sent");

    return juce::Result::ok();
}

juce::Result PresetTransfer::readNames (juce::StringArray& names)
{
    beginTransfer();
    engine->startNameRead();
    waitForTransfer();

    if (failed)
        return midiFailure ("no complete answer from the keyboard after every retry");

    names.clear();

    for (const auto& name : engine->getSlotNames())
    {
        if (! name.has_value())
            return midiFailure ("the names were not all read");

        names.add (*name);
    }

    return juce::Result::ok();
}

void PresetTransfer::beginTransfer()
{
    failed = false;
    failureMessage.clear();
}

juce::String PresetTransfer::logFailure (const juce::String& reason)
{
    return "cannot write the MIDI log " + reason;
}

void PresetTransfer::waitForTransfer()
{
    // The engine hears of its transfer, and applies a got preset, on the message thread. A log
    // that cannot be written stops the transfer: the run would not leave the record asked for.
    while (engine->isTransferRunning())
    {
        juce::MessageManager::getInstance()->runDispatchLoopUntil (20);

        if (! isLogWritten())
            engine->cancelTransfers();
    }

    isLogWritten();
}

bool PresetTransfer::isLogWritten()
{
    const auto log = keyboard.getMidiManager().getLog();
    const auto written = log != nullptr ? log->flush() : juce::Result::ok();

    if (written.failed())
    {
        failed = true;
        failureMessage = logFailure (written.getErrorMessage());
    }

    return written.wasOk();
}

void PresetTransfer::sendRefused (const juce::String& reason)
{
    failed = true;
    failureMessage = reason;
}

void PresetTransfer::midiCommunicationFailed (const juce::String& message)
{
    failed = true;
    failureMessage = message;
}

juce::Result PresetTransfer::midiFailure (const juce::String& whatFailed) const
{
    // The engine explains only the unusual failures; closed ports are the common one.
    return juce::Result::fail (failureMessage.isNotEmpty() ? failureMessage
                                                           : whatFailed + " (are the MIDI ports right?)");
}
