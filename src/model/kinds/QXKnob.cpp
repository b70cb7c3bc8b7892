#include "model/kinds/QXKnob.h"

#include "model/PresetLayout.h"

QXKnob::QXKnob (int offset) : Control (PresetLayout::controlBytes, offset)
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

const std::vector<ControlMode>& QXKnob::modes()
{
    static const std::vector<ControlMode> all {
        { "CC", { "MIDI Channel", "CC", "Min", "Max" } },
        { "Aftertouch", { "MIDI Channel", "Min", "Max" } },
    };
    return all;
}
