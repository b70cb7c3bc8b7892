#include "model/kinds/QXWheels.h"

#include "model/PresetLayout.h"

QXWheels::QXWheels (int offset) : Control (PresetLayout::wheelsBytes, offset)
{
    for (auto* name :
         { "Pitch Wheel MIDI Channel", "Mod Wheel MIDI Channel", "Mod Wheel CC", "Mod Wheel Min", "Mod Wheel Max" })
        addParameterName (name);
}

juce::uint8 QXWheels::getMaximum (const juce::String& parameterName) const
{
    return parameterName.contains ("Channel") ? 16 : getBaseMaximum (parameterName);
}

int QXWheels::getParameterIndex (const juce::String& parameterName) const
{
    return findByteIndex (parameterName);
}

const juce::StringArray& QXWheels::channelItems()
{
    static const juce::StringArray items = [] {
        juce::StringArray channels;

        for (int channel = 1; channel <= 16; ++channel)
            channels.add (juce::String (channel));

        channels.add ("Omni");
        return channels;
    }();
    return items;
}
