#include "cli/PresetJsonReader.h"

#include "cli/PresetJsonKeys.h"

namespace
{
// A byte may be written under any of its names; it holds what its widest name allows (a pad's
// byte 3 is a 0-7 curve in one mode and a 0-127 value in others), so a dump always reads back.
int byteMaximum (const Control& control, int byteIndex)
{
    int maximum = 0;

    for (const auto& name : control.getParameterNames())
        if (control.getParameterIndex (name) == byteIndex)
            maximum = juce::jmax (maximum, static_cast<int> (control.getMaximum (name)));

    return maximum;
}
} // namespace

PresetJsonReader::PresetJsonReader (const PresetModel& modelIn, Control::Bytes& presetData)
    : model (modelIn), data (presetData)
{
    data.clearQuick();
    data.insertMultiple (0, 0, model.getLayout().dataLength());
}

juce::Result PresetJsonReader::read (const juce::var& root)
{
    if (root.getDynamicObject() == nullptr)
        return juce::Result::fail ("the top level must be an object");

    for (const auto& property : root.getDynamicObject()->getProperties())
    {
        const auto key = property.name.toString();
        const auto& blocks = PresetJsonKeys::blocks();
        const auto known = key == PresetJsonKeys::name
                           || std::any_of (blocks.begin(), blocks.end(), [&] (auto& b) { return key == b.key; });
        if (! known)
            return juce::Result::fail ("unknown block \"" + key + "\"");
    }

    if (! readName (root))
        return juce::Result::fail (error);

    for (const auto& block : PresetJsonKeys::blocks())
        if (! (block.isArray ? readArray (root, block.key, block.groupId) : readSingle (root, block.key, block.groupId)))
            return juce::Result::fail (error);

    return juce::Result::ok();
}

bool PresetJsonReader::readName (const juce::var& root)
{
    const auto& value = root[PresetJsonKeys::name];

    if (value.isVoid())
        return fail ("missing block \"name\"");

    juce::Array<juce::int64> codes;

    if (value.isString())
    {
        for (auto character : value.toString())
            codes.add (character);
    }
    else if (value.isArray())
    {
        for (const auto& code : *value.getArray())
        {
            if (! (code.isInt() || code.isInt64()))
                return fail ("\"name\" character codes must be whole numbers");
            codes.add (static_cast<juce::int64> (code));
        }
    }
    else
    {
        return fail ("\"name\" must be a string or an array of character codes");
    }

    return readNameCodes (codes);
}

bool PresetJsonReader::readNameCodes (const juce::Array<juce::int64>& codes)
{
    auto* nameControl = model.getControl (ControlGroup::presetNameGroup);

    if (codes.size() > nameControl->getByteCount())
        return fail ("\"name\" is longer than " + juce::String (nameControl->getByteCount()) + " characters");

    // A shorter name is padded with spaces, as the keyboard shows it.
    for (int i = 0; i < nameControl->getByteCount(); ++i)
    {
        const auto code = i < codes.size() ? codes[i] : juce::int64 { ' ' };

        if (code < 0 || code > byteMaximum (*nameControl, i))
            return fail ("\"name\" character " + juce::String (i + 1) + " is not ASCII");

        data.set (nameControl->getImageOffset() + i, static_cast<juce::uint8> (code));
    }

    return true;
}

bool PresetJsonReader::readSingle (const juce::var& root, const char* key, int groupId)
{
    const auto& object = root[key];

    if (object.isVoid())
        return fail ("missing block \"" + juce::String (key) + "\"");

    return readControl (object, *model.getControl (groupId), "\"" + juce::String (key) + "\"");
}

bool PresetJsonReader::readArray (const juce::var& root, const char* key, int groupId)
{
    const auto& array = root[key];
    const auto place = "\"" + juce::String (key) + "\"";

    if (array.isVoid())
        return fail ("missing block " + place);
    if (! array.isArray())
        return fail (place + " must be an array");
    if (array.size() != model.getNumControls (groupId))
        return fail (place + " must hold " + juce::String (model.getNumControls (groupId)) + " entries, not "
                     + juce::String (array.size()));

    for (int i = 0; i < array.size(); ++i)
        if (! readControl (array[i], *model.getControl (groupId, i), place + "[" + juce::String (i) + "]"))
            return false;

    return true;
}

bool PresetJsonReader::readControl (const juce::var& object, const Control& control, const juce::String& place)
{
    if (object.getDynamicObject() == nullptr)
        return fail (place + " must be an object");

    juce::Array<bool> given;
    given.insertMultiple (0, false, control.getByteCount());

    for (const auto& property : object.getDynamicObject()->getProperties())
        if (! readByte (property.name, property.value, control, place, given))
            return false;

    for (int i = 0; i < control.getByteCount(); ++i)
        if (! given[i])
            return fail (place + ": missing \"" + control.getByteName (i) + "\"");

    return true;
}

bool PresetJsonReader::readByte (const juce::Identifier& name, const juce::var& value, const Control& control,
                                 const juce::String& place, juce::Array<bool>& given)
{
    const auto entry = place + ".\"" + name.toString() + "\"";
    const auto byteIndex = control.getParameterIndex (name.toString());

    if (! juce::isPositiveAndBelow (byteIndex, control.getByteCount()))
        return fail (entry + ": unknown name");
    if (given[byteIndex])
        return fail (entry + ": byte " + juce::String (byteIndex) + " is already given as \""
                     + control.getByteName (byteIndex) + "\" or another of its names");
    if (! (value.isInt() || value.isInt64()))
        return fail (entry + ": must be a whole number");

    const auto number = static_cast<juce::int64> (value);
    const auto maximum = byteMaximum (control, byteIndex);

    if (number < 0 || number > maximum)
        return fail (entry + ": " + juce::String (number) + " is outside 0.." + juce::String (maximum));

    given.set (byteIndex, true);
    data.set (control.getImageOffset() + byteIndex, static_cast<juce::uint8> (number));
    return true;
}

bool PresetJsonReader::fail (const juce::String& message)
{
    error = message;
    return false;
}
