#pragma once

#include <juce_core/juce_core.h>

/** One mode of a knob, pad or switch as the editor shows it: the name of its "Mode" item and
    the parameter names of its rows, top to bottom. A control's table of these, indexed by its
    "Mode" value, is the one place that says what each byte means in each mode. */
struct ControlMode
{
    juce::String name;
    juce::StringArray rows;

    /** Added to a row's byte to show it: channels and curves count from 1. */
    static int valueOffset (const juce::String& rowName)
    {
        return rowName == "MIDI Channel" || rowName == "Curve" ? 1 : 0;
    }
};
