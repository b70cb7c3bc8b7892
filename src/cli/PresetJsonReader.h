#pragma once

#include "model/PresetModel.h"

/** Checks a parsed preset JSON block by block against the model and collects its bytes.
    Stops at the first problem and remembers where it was. */
class PresetJsonReader
{
public:
    PresetJsonReader (const PresetModel& model, Control::Bytes& presetData);

    juce::Result read (const juce::var& root);

private:
    bool readName (const juce::var& root);
    bool readNameCodes (const juce::Array<juce::int64>& codes);
    bool readSingle (const juce::var& root, const char* key, int groupId);
    bool readArray (const juce::var& root, const char* key, int groupId);
    bool readControl (const juce::var& object, const Control& control, const juce::String& place);
    bool readByte (const juce::Identifier& name, const juce::var& value, const Control& control,
                   const juce::String& place, juce::Array<bool>& given);
    bool fail (const juce::String& message);

    const PresetModel& model;
    Control::Bytes& data;
    juce::String error;
};
