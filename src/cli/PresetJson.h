#pragma once

#include "model/PresetModel.h"

#include <string>

/** A preset as JSON, for people who keep presets in version control or diff them:
    every byte by the name its control's current mode shows in the editor, as stored (no
    display offsets). */
class PresetJson
{
public:
    /** The preset data as a JSON text. The name is a string, or its 16 character codes when
        it holds a character that is not printable ASCII. */
    static std::string write (const PresetModel& model);

    /** Reads a JSON text into preset data laid out for the model; every byte must be given once,
        under any of its names, within that name's range. On failure the result names the place. */
    static juce::Result read (const std::string& text, const PresetModel& model, Control::Bytes& presetData);

    /** Where a byte of the preset data appears in a dump, e.g. knobs[2] "CC". */
    static juce::String placeOf (const PresetModel& model, int dataOffset);
};
