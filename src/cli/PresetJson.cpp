#include "cli/PresetJson.h"

#include "cli/PresetJsonKeys.h"
#include "cli/PresetJsonReader.h"

juce::String PresetJson::write (const PresetModel& model)
{
    auto* root = new juce::DynamicObject();

    root->setProperty (PresetJsonKeys::name, nameToJson (*model.getControl (ControlGroup::presetNameGroup)));

    for (const auto& block : PresetJsonKeys::blocks())
    {
        if (block.isArray)
        {
            juce::Array<juce::var> controls;
            for (int i = 0; i < model.getNumControls (block.groupId); ++i)
                controls.add (controlToJson (*model.getControl (block.groupId, i)));
            root->setProperty (block.key, controls);
        }
        else
        {
            root->setProperty (block.key, controlToJson (*model.getControl (block.groupId)));
        }
    }

    return juce::JSON::toString (juce::var (root), false) + "\n";
}

juce::var PresetJson::nameToJson (const Control& nameControl)
{
    const auto bytes = nameControl.getBytes();
    const auto printable = std::all_of (bytes.begin(), bytes.end(), [] (auto b) { return b >= 32 && b < 127; });

    // A name the keyboard could not show as text still round-trips, as its character codes.
    if (! printable)
    {
        juce::Array<juce::var> codes;
        for (auto byte : bytes)
            codes.add (static_cast<int> (byte));
        return codes;
    }

    juce::String name;
    for (auto byte : bytes)
        name += juce::String::charToString (static_cast<juce::juce_wchar> (byte));
    return name;
}

juce::var PresetJson::controlToJson (const Control& control)
{
    auto* object = new juce::DynamicObject();
    const auto bytes = control.getBytes();

    for (int i = 0; i < bytes.size(); ++i)
        object->setProperty (control.getByteName (i), static_cast<int> (bytes[i]));

    return juce::var (object);
}

juce::Result PresetJson::read (const juce::String& text, const PresetModel& model, Control::Bytes& presetData)
{
    // The parser reads a stray byte of a broken sequence as some other character, even a digit.
    if (! juce::CharPointer_UTF8::isValidString (text.toRawUTF8(), static_cast<int> (text.getNumBytesAsUTF8())))
        return juce::Result::fail ("malformed JSON: the text is not UTF-8");

    if (const auto lengths = checkNumberLengths (text); lengths.failed())
        return lengths;

    juce::var root;
    const auto parsed = juce::JSON::parse (text, root);

    if (parsed.failed())
        return juce::Result::fail ("malformed JSON at " + parsed.getErrorMessage());

    return PresetJsonReader (model, presetData).read (root);
}

juce::Result PresetJson::checkNumberLengths (const juce::String& text)
{
    // The parser keeps integers in 64 bits and wraps longer ones around, so a number far out of
    // range could read as a valid byte. Up to 18 digits always fit.
    constexpr int maxDigits = 18;
    int line = 1, column = 0, digits = 0;
    bool inString = false, escaped = false;

    // Byte by byte: everything looked for is ASCII, which no byte of a longer UTF-8 sequence equals.
    for (auto* p = text.toRawUTF8(); *p != 0; ++p)
    {
        const auto c = *p;
        ++column;

        if (c == '\n')
        {
            ++line;
            column = 0;
        }

        if (inString)
        {
            inString = escaped || c != '"';
            escaped = ! escaped && c == '\\';
            continue;
        }

        inString = c == '"';
        digits = c >= '0' && c <= '9' ? digits + 1 : 0;

        if (digits > maxDigits)
            return juce::Result::fail ("malformed JSON at " + juce::String (line) + ":"
                                       + juce::String (column - maxDigits) + ": error: number too long");
    }

    return juce::Result::ok();
}
