#pragma once

#include "model/PresetModel.h"

#include <nlohmann/json_fwd.hpp>

/** Checks a parsed preset JSON block by block against the model and collects its bytes.
    Stops at the first problem and remembers where it was. */
class PresetJsonReader
{
public:
    // Keys sorted, so a text with many keys in one object still reads in n log n.
    using Json = nlohmann::json;

    PresetJsonReader (const PresetModel& model, Control::Bytes& presetData);

    juce::Result read (const Json& root);

private:
    bool readName (const Json& root);
    bool readNameCodes (const juce::Array<juce::int64>& codes);
    bool readSingle (const Json& root, const char* key, int groupId);
    bool readArray (const Json& root, const char* key, int groupId);
    bool readControl (const Json& object, const Control& control, const juce::String& place);
    bool readByte (const std::string& name, const Json& value, const Control& control, const juce::String& place,
                   juce::Array<bool>& given);
    bool fail (const juce::String& message);

    const PresetModel& model;
    Control::Bytes& data;
    juce::String error;
};
