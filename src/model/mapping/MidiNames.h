#pragma once

#include <juce_core/juce_core.h>

/** The names musicians know MIDI numbers by: notes as "C1" (middle C, 60, is C3, as on most
    controller keyboards) and the common controller numbers as "Volume". The mapping table and
    the number boxes' tooltips take them from here. */
class MidiNames
{
public:
    /** "C1" for 36, "C#3" for 61; empty outside 0..127. */
    static juce::String noteName (int note);

    /** The controller's common name ("Modulation" for 1), empty where it has none. */
    static juce::String controllerName (int controller);

    /** "36 · C1" */
    static juce::String describeNote (int note);

    /** "7 · Volume", or just "20" for a controller without a common name. */
    static juce::String describeController (int controller);

    /** The number and its name, for a parameter named "Note" or "CC"; the number alone otherwise. */
    static juce::String describeValue (const juce::String& parameterName, int value);

private:
    static juce::String withName (int number, const juce::String& name);
};
