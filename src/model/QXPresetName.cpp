#include "model/QXPresetName.h"

#include "model/PresetLayout.h"

QXPresetName::QXPresetName() : Control (PresetLayout::presetNameBytes, PresetLayout::presetNameOffset)
{
    for (int i = 0; i < numCharacters; ++i)
        addParameterName (characterParameterName (i));
}

juce::String QXPresetName::characterParameterName (int characterIndex)
{
    return "Preset Name " + juce::String (characterIndex + 1);
}

juce::uint8 QXPresetName::getMaximum (const juce::String&) const
{
    return 127;
}

int QXPresetName::getParameterIndex (const juce::String& parameterName) const
{
    return findByteIndex (parameterName);
}
