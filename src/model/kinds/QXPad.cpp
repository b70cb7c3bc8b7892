#include "model/kinds/QXPad.h"

#include "model/PresetLayout.h"

QXPad::QXPad (int offset) : Control (PresetLayout::controlBytes, offset)
{
    addParameterName ("Mode", 0);
    addParameterName ("Note", 1);
    addParameterName ("CC", 1);
    addParameterName ("Program", 1);
    addParameterName ("Fixed", 2);
    addParameterName ("Toggle On", 2);
    addParameterName ("Pressed", 2);
    addParameterName ("Bank LSB", 2);
    addParameterName ("Toggle Off", 3);
    addParameterName ("Released", 3);
    addParameterName ("Bank MSB", 3);
    addParameterName ("Curve", 3);
    addParameterName ("MIDI Channel", 4);
}

juce::uint8 QXPad::getMaximum (const juce::String& parameterName) const
{
    if (parameterName == "Mode")
        return 3;
    if (parameterName == "Curve")
        return 7;
    return getBaseMaximum (parameterName);
}

int QXPad::getParameterIndex (const juce::String& parameterName) const
{
    return findByteIndex (parameterName);
}

juce::String QXPad::getByteName (int byteIndex) const
{
    return byteIndex == 3 ? "Curve" : Control::getByteName (byteIndex);
}

const std::vector<ControlMode>& QXPad::modes()
{
    static const std::vector<ControlMode> all {
        { "Note", { "MIDI Channel", "Note", "Fixed", "Curve" } },
        { "CC Toggle", { "MIDI Channel", "CC", "Toggle On", "Toggle Off" } },
        { "CC Momentary", { "MIDI Channel", "CC", "Pressed", "Released" } },
        { "Program Change", { "MIDI Channel", "Bank LSB", "Bank MSB", "Program" } },
    };
    return all;
}
