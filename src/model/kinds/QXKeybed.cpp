#include "model/kinds/QXKeybed.h"

#include "model/PresetLayout.h"

QXKeybed::QXKeybed (int offset, juce::uint8 splitPointMaximumIn, juce::uint8 octaveMaximumIn)
    : Control (PresetLayout::keybedBytes, offset),
      splitPointMaximum (splitPointMaximumIn),
      octaveMaximum (octaveMaximumIn)
{
    for (auto* name :
         { "Keybed Transpose", "Keybed Octave", "Keybed MIDI Channel", "Keybed Curve", "Split Mode", "Split Point",
           "Lower Keybed Transpose", "Lower Keybed Octave", "Lower Keybed MIDI Channel", "Lower Keybed Curve",
           "Upper Keybed Transpose", "Upper Keybed Octave", "Upper Keybed MIDI Channel", "Upper Keybed Curve" })
        addParameterName (name);
}

juce::uint8 QXKeybed::getMaximum (const juce::String& parameterName) const
{
    // Matched by what the name contains, so the three zones share one rule each; there is
    // deliberately no fallback to the base rule.
    if (parameterName == "Split Mode")
        return 1;
    if (parameterName == "Split Point")
        return splitPointMaximum;
    if (parameterName.contains ("Transpose"))
        return 24;
    if (parameterName.contains ("Octave"))
        return octaveMaximum;
    if (parameterName.contains ("Curve"))
        return 8;
    if (parameterName.contains ("MIDI Channel"))
        return 15;
    return 0;
}

int QXKeybed::getParameterIndex (const juce::String& parameterName) const
{
    return findByteIndex (parameterName);
}

const juce::StringArray& QXKeybed::splitItems()
{
    static const juce::StringArray items { "On", "Off" };
    return items;
}
