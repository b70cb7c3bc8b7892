#include "model/QXKnob.h"

#include "model/PresetLayout.h"

QXKnob::QXKnob (int imageOffset) : Control (PresetLayout::controlBytes, imageOffset)
{
    for (auto* name : { "Mode", "CC", "Min", "Max", "MIDI Channel" })
        addParameterName (name);
}

juce::uint8 QXKnob::getMaximum (const juce::String& parameterName) const
{
    return parameterName == "Mode" ? 1 : getBaseMaximum (parameterName);
}

int QXKnob::getParameterIndex (const juce::String& parameterName) const
{
    return findByteIndex (parameterName);
}
