#pragma once

#include "model/PresetModel.h"

/** A preset as JSON, for people who keep presets in version control or diff them:
    every byte by the name it is best known by, as stored (no display offsets). */
class PresetJson
{
public:
    /** The preset data as a JSON text. The name is a string, or its 16 character codes when
        it holds a character that is not printable ASCII. */
    static juce::String write (const PresetModel& model);

    /** Reads a JSON text into preset data laid out for the model; every byte must be given once,
        under any of its names, within its range. On failure the result names the place. */
    static juce::Result read (const juce::String& text, const PresetModel& model, Control::Bytes& presetData);

private:
    /** Fails, naming the place, at a number with more digits than 64 bits can hold. */
    static juce::Result checkNumberLengths (const juce::String& text);

    static juce::var nameToJson (const Control& nameControl);
    static juce::var controlToJson (const Control& control);
};
