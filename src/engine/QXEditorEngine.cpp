#include "engine/QXEditorEngine.h"

#include "widgets/ParameterUpdater.h"

using namespace ControlGroup;

QXEditorEngine::QXEditorEngine (const juce::uint8& modelIdIn, MidiManager& midiManagerIn,
                                const juce::String& filePatternIn, const juce::uint8& highestSplitPoint,
                                const juce::uint8& maxOctave, const int& numKnobs, const int& numPads,
                                const int& numSwitches)
    : midiManager (midiManagerIn),
      modelId (modelIdIn),
      presetLength (PresetLayout (numKnobs, numPads, numSwitches).messageLength()),
      model (PresetLayout (numKnobs, numPads, numSwitches), highestSplitPoint, maxOctave),
      filePattern (filePatternIn)
{
}

QXEditorEngine::~QXEditorEngine()
{
    stopTimer();
    midiManager.removeListener (this);
}

void QXEditorEngine::addParameterUpdater (ParameterUpdater* updater, int groupId)
{
    addParameterUpdater (updater, groupId, 0);
}

void QXEditorEngine::addParameterUpdater (ParameterUpdater* updater, int groupId, juce::uint8 index)
{
    if (auto* control = model.getControl (groupId, index))
        control->addListener (updater);
}

void QXEditorEngine::addTransportParameterUpdater (ParameterUpdater* updater, int groupId, int index)
{
    if (groupId == transportGroup)
        if (auto* control = model.getControl (groupId, index))
            control->addListener (updater);
}

void QXEditorEngine::removeParameterUpdater (ParameterUpdater* updater, int groupId, int index)
{
    if (auto* control = model.getControl (groupId, index))
        control->removeListener (updater);
}

void QXEditorEngine::setParameter (int groupId, juce::uint8 index, const juce::String& parameterName,
                                   juce::uint8 value, bool notify)
{
    if (auto* control = model.getControl (groupId, index))
        control->setParameter (parameterName, value, notify);
}

void QXEditorEngine::setParameter (int groupId, const juce::String& parameterName, juce::uint8 value,
                                   bool notify)
{
    setParameter (groupId, 0, parameterName, value, notify);
}

void QXEditorEngine::setTransportParameter (int groupId, int index, const juce::String& parameterName,
                                            juce::uint8 value, bool notify)
{
    if (groupId == transportGroup)
        if (auto* control = model.getControl (groupId, index))
            control->setParameter (parameterName, value, notify);
}

juce::uint8 QXEditorEngine::getMinimum (int groupId, const juce::String& parameterName) const
{
    auto* control = model.getControl (groupId);
    return control != nullptr ? control->getMinimum (parameterName) : juce::uint8 { 0 };
}

juce::uint8 QXEditorEngine::getMaximum (int groupId, const juce::String& parameterName) const
{
    auto* control = model.getControl (groupId);
    return control != nullptr ? control->getMaximum (parameterName) : juce::uint8 { 0 };
}

void QXEditorEngine::addListener (Listener* listener)
{
    listeners.add (listener);
}

void QXEditorEngine::removeListener (Listener* listener)
{
    listeners.remove (listener);
}

void QXEditorEngine::applyPreset (const Bytes& presetMessage)
{
    if (presetMessage.size() == presetLength)
        distributePreset (presetMessage);
}

void QXEditorEngine::distributePreset (const Bytes& presetMessage)
{
    Bytes data (presetMessage);
    data.removeRange (0, PresetLayout::messageDataStart);

    if (! data.isEmpty())
        data.removeLast (PresetLayout::messageTrailerBytes);

    model.applyData (data);
}
