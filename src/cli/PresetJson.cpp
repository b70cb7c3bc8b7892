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
    juce::var root;
    const auto parsed = juce::JSON::parse (text, root);

    if (parsed.failed())
        return juce::Result::fail ("malformed JSON at " + parsed.getErrorMessage());

    return PresetJsonReader (model, presetData).read (root);
}
