#include "model/mapping/MidiNames.h"

#include <map>

namespace
{
constexpr int lowestOctave = -2; // note 0 is C-2, so that 60 is C3
}

juce::String MidiNames::noteName (int note)
{
    static const juce::StringArray pitchNames { "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B" };

    if (! juce::isPositiveAndBelow (note, 128))
        return {};

    return pitchNames[note % 12] + juce::String (note / 12 + lowestOctave);
}

juce::String MidiNames::controllerName (int controller)
{
    static const std::map<int, const char*> names {
        { 0, "Bank Select" },
        { 1, "Modulation" },
        { 2, "Breath" },
        { 4, "Foot" },
        { 5, "Portamento Time" },
        { 6, "Data Entry" },
        { 7, "Volume" },
        { 8, "Balance" },
        { 10, "Pan" },
        { 11, "Expression" },
        { 12, "Effect 1" },
        { 13, "Effect 2" },
        { 32, "Bank Select LSB" },
        { 64, "Sustain" },
        { 65, "Portamento" },
        { 66, "Sostenuto" },
        { 67, "Soft Pedal" },
        { 68, "Legato" },
        { 69, "Hold 2" },
        { 71, "Resonance" },
        { 72, "Release" },
        { 73, "Attack" },
        { 74, "Cutoff" },
        { 84, "Portamento Control" },
        { 91, "Reverb" },
        { 93, "Chorus" },
        { 120, "All Sound Off" },
        { 121, "Reset Controllers" },
        { 123, "All Notes Off" },
    };

    const auto found = names.find (controller);
    return found != names.end() ? juce::String (found->second) : juce::String();
}

juce::String MidiNames::describeNote (int note)
{
    return withName (note, noteName (note));
}

juce::String MidiNames::describeController (int controller)
{
    return withName (controller, controllerName (controller));
}

juce::String MidiNames::describeValue (const juce::String& parameterName, int value)
{
    if (parameterName == "Note")
        return describeNote (value);
    if (parameterName.endsWith ("CC"))
        return describeController (value);
    return juce::String (value);
}

juce::String MidiNames::withName (int number, const juce::String& name)
{
    if (name.isEmpty())
        return juce::String (number);

    return juce::String (number) + juce::String (juce::CharPointer_UTF8 (" \xc2\xb7 ")) + name;
}
