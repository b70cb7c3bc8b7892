#pragma once

#include "model/PresetLayout.h"

#include <juce_core/juce_core.h>

/** What distinguishes one keyboard of the family: its model byte and its control counts. */
struct ModelConstants
{
    juce::uint8 modelId;
    int numKnobs;
    int numPads;
    int numSwitches;
    juce::uint8 numKeys;
    juce::uint8 maxKeybedOctave;
    juce::String presetFilePattern;

    /** The preset slots the editor and the tool offer, numbered 1 to numSlots for the user. */
    static constexpr int numSlots = 24;

    juce::uint8 getHighestSplitPoint() const { return static_cast<juce::uint8> (numKeys - 1); }
    PresetLayout getLayout() const { return { numKnobs, numPads, numSwitches }; }

    /** The 61-key keyboard, the one model this program edits. */
    static ModelConstants qx61();

    /** Its built-in default preset message (476 bytes, command byte 0x63). */
    static juce::Array<juce::uint8> qx61DefaultPreset();
};
