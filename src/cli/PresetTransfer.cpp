#include "cli/PresetTransfer.h"

PresetTransfer::PresetTransfer (MidiManager& midiManager, const ModelConstants& constantsIn)
    : constants (constantsIn),
      highestSplitPoint (constants.getHighestSplitPoint()),
      engine (new QXEditorEngine (constants.modelId, midiManager, constants.presetFilePattern,
                                  highestSplitPoint, constants.maxKeybedOctave, constants.numKnobs,
                                  constants.numPads, constants.numSwitches))
{
    engine->addListener (this);
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
    beginTransfer();
    engine->startGet (static_cast<juce::uint8> (slotIndex));
    waitForTransfer();

    if (failed)
        return midiFailure ("no complete answer from the keyboard after every retry");

    if (! engine->savePresetFile (target))
        return juce::Result::fail ("could not write " + target.getFullPathName());

    return juce::Result::ok();
}

juce::Result PresetTransfer::loadFile (const juce::File& source)
{
    if (! engine->loadPresetFile (source))
        return juce::Result::fail (source.getFullPathName() + " is not a preset file ("
                                   + juce::String (engine->getPresetLength()) + " bytes)");

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

void PresetTransfer::beginTransfer()
{
    failed = false;
    failureMessage.clear();
}

void PresetTransfer::waitForTransfer()
{
    // The engine hears of its transfer, and applies a got preset, on the message thread.
    while (engine->isTransferRunning())
        juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
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
