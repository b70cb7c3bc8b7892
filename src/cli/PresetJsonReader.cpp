#include "cli/PresetJsonReader.h"

#include "cli/JsonSyntaxCheck.h"
#include "cli/PresetJsonKeys.h"

#include <nlohmann/json.hpp>

#include <limits>
#include <optional>

namespace
{
std::optional<juce::int64> wholeNumber (const PresetJsonReader::Json& value)
{
    // Anything above the int64 range is far out of every byte's range too.
    if (value.is_number_unsigned())
    {
        constexpr auto largest = static_cast<std::uint64_t> (std::numeric_limits<juce::int64>::max());
        return static_cast<juce::int64> (std::min (value.get<std::uint64_t>(), largest));
    }
    if (value.is_number_integer())
        return value.get<std::int64_t>();
    return std::nullopt;
}

bool isPrintableAscii (juce::int64 code)
{
    return code >= ' ' && code < 127;
}
} // namespace

PresetJsonReader::PresetJsonReader (const PresetModel& modelIn, Control::Bytes& presetData)
    : model (modelIn),
      data (presetData)
{
    data.clearQuick();
    data.insertMultiple (0, 0, model.getLayout().dataLength());
}

juce::Result PresetJsonReader::read (const Json& root)
{
    if (! root.is_object())
        return juce::Result::fail ("the top level must be an object");

    for (const auto& property : root.items())
    {
        const auto& key = property.key();
        const auto& blocks = PresetJsonKeys::blocks();
        const auto known = key == PresetJsonKeys::name
                           || std::any_of (blocks.begin(), blocks.end(), [&] (auto& b) { return key == b.key; });
        if (! known)
            return juce::Result::fail ("unknown block " + JsonSyntaxCheck::quoted (key));
    }

    if (! readName (root))
        return juce::Result::fail (error);

    for (const auto& block : PresetJsonKeys::blocks())
    {
        const auto read =
            block.isArray ? readArray (root, block.key, block.groupId) : readSingle (root, block.key, block.groupId);
        if (! read)
            return juce::Result::fail (error);
    }

    return juce::Result::ok();
}

bool PresetJsonReader::readName (const Json& root)
{
    const auto found = root.find (PresetJsonKeys::name);

    if (found == root.end())
        return fail ("missing block \"name\"");

    juce::Array<juce::int64> codes;

    if (found->is_string())
    {
        // Read to the string's length: it may hold a NUL, which a C string would end at.
        const auto& text = found->get_ref<const std::string&>();
        for (juce::CharPointer_UTF8 c (text.data()); c.getAddress() < text.data() + text.size();)
            codes.add (c.getAndAdvance());

        // A name that is not printable text is written as its character codes.
        for (int i = 0; i < codes.size(); ++i)
            if (! isPrintableAscii (codes[i]))
                return fail ("\"name\" character " + juce::String (i + 1) + " is not printable ASCII");
    }
    else if (found->is_array())
    {
        for (const auto& code : *found)
        {
            const auto number = wholeNumber (code);
            if (! number)
                return fail ("\"name\" character codes must be whole numbers");
            codes.add (*number);
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

        if (code < 0 || code > nameControl->getMaximum (nameControl->getByteName (i)))
            return fail ("\"name\" character " + juce::String (i + 1) + " is not ASCII");

        data.set (nameControl->getImageOffset() + i, static_cast<juce::uint8> (code));
    }

    return true;
}

bool PresetJsonReader::readSingle (const Json& root, const char* key, int groupId)
{
    const auto found = root.find (key);

    if (found == root.end())
        return fail ("missing block " + JsonSyntaxCheck::quoted (key));

    return readControl (*found, *model.getControl (groupId), JsonSyntaxCheck::quoted (key));
}

bool PresetJsonReader::readArray (const Json& root, const char* key, int groupId)
{
    const auto found = root.find (key);
    const auto place = JsonSyntaxCheck::quoted (key);

    if (found == root.end())
        return fail ("missing block " + place);
    if (! found->is_array())
        return fail (place + " must be an array");

    const auto count = static_cast<int> (found->size());

    if (count != model.getNumControls (groupId))
        return fail (place + " must hold " + juce::String (model.getNumControls (groupId)) + " entries, not "
                     + juce::String (count));

    for (int i = 0; i < count; ++i)
        if (! readControl ((*found)[static_cast<size_t> (i)], *model.getControl (groupId, i),
                           place + "[" + juce::String (i) + "]"))
            return false;

    return true;
}

bool PresetJsonReader::readControl (const Json& object, const Control& control, const juce::String& place)
{
    if (! object.is_object())
        return fail (place + " must be an object");

    juce::Array<bool> given;
    given.insertMultiple (0, false, control.getByteCount());

    for (const auto& property : object.items())
        if (! readByte (property.key(), property.value(), control, place, given))
            return false;

    for (int i = 0; i < control.getByteCount(); ++i)
        if (! given[i])
            return fail (place + ": missing \"" + control.getShownByteName (i) + "\"");

    return true;
}

bool PresetJsonReader::readByte (const std::string& key, const Json& value, const Control& control,
                                 const juce::String& place, juce::Array<bool>& given)
{
    const auto name = juce::String::fromUTF8 (key.c_str());
    const auto entry = place + "." + JsonSyntaxCheck::quoted (key);

    // A key holding a NUL is no name, however its start reads.
    const auto byteIndex = key.find ('\0') == std::string::npos ? control.getParameterIndex (name) : -1;

    if (! juce::isPositiveAndBelow (byteIndex, control.getByteCount()))
        return fail (entry + ": unknown name");
    if (given[byteIndex])
        return fail (entry + ": byte " + juce::String (byteIndex) + " is already given as \""
                     + control.getByteName (byteIndex) + "\" or another of its names");

    const auto number = wholeNumber (value);

    if (! number)
        return fail (entry + ": must be a whole number");

    // Each name has the range the editor gives it: a note pad's "Curve" is 0-7, though the
    // same byte may hold up to 127 under the names of other modes.
    const auto maximum = static_cast<int> (control.getMaximum (name));

    if (*number < 0 || *number > maximum)
        return fail (entry + ": " + juce::String (*number) + " is outside 0.." + juce::String (maximum));

    given.set (byteIndex, true);
    data.set (control.getImageOffset() + byteIndex, static_cast<juce::uint8> (*number));
    return true;
}

bool PresetJsonReader::fail (const juce::String& message)
{
    error = message;
    return false;
}
