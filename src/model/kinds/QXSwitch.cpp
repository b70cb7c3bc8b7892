#include "model/kinds/QXSwitch.h"

#include "model/PresetLayout.h"

QXSwitch::QXSwitch (int offset) : Control (PresetLayout::controlBytes, offset)
{
    addParameterName ("Mode", 0);
    addParameterName ("CC", 1);
    addParameterName ("Program", 1);
    addParameterName ("Toggle On", 2);
    addParameterName ("Pressed", 2);
    addParameterName ("Bank LSB", 2);
    addParameterName ("Toggle Off", 3);
    addParameterName ("Released", 3);
    addParameterName ("Bank MSB", 3);
    addParameterName ("MIDI Channel", 4);
}

juce::uint8 QXSwitch::getMaximum (const juce::String& parameterName) const
{
    return parameterName == "Mode" ? 3 : getBaseMaximum (parameterName);
}

int QXSwitch::getParameterIndex (const juce::String& parameterName) const
{
    return findByteIndex (parameterName);
}

const std::vector<ControlMode>& QXSwitch::modes()
{
    static const std::vector<ControlMode> all {
        { "CC Toggle", { "MIDI Channel", "CC", "Toggle On", "Toggle Off" } },
        { "CC Momentary", { "MIDI Channel", "CC", "Pressed", "Released" } },
        { "Program Change", { "MIDI Channel", "Bank LSB", "Bank MSB", "Program" } },
    };
    return all;
}
