#include "model/kinds/QXControlsToMidiDin.h"

#include "model/PresetLayout.h"

QXControlsToMidiDin::QXControlsToMidiDin (int offset) : Control (PresetLayout::midiToDinBytes, offset)
{
    for (auto* name : { "Transport Midi To DIN", "Keybed Midi To DIN", "Lower Keybed Midi To DIN",
                        "Upper Keybed Midi To DIN", "Pitch Wheel Midi To DIN", "Mod Wheel Midi To DIN",
                        "Sustain Midi To DIN", "Knobs Midi To DIN", "Pads Midi To DIN", "Switches Midi To DIN" })
        addParameterName (name);
}

juce::uint8 QXControlsToMidiDin::getMaximum (const juce::String& parameterName) const
{
    return getParameterNames().contains (parameterName) ? 1 : 0;
}

int QXControlsToMidiDin::getParameterIndex (const juce::String& parameterName) const
{
    return findByteIndex (parameterName);
}
