#include "cli/PresetJson.h"

#include "cli/JsonSyntaxCheck.h"
#include "cli/PresetJsonKeys.h"
#include "cli/PresetJsonReader.h"

#include <nlohmann/json.hpp>

namespace
{
using Json = nlohmann::ordered_json;

Json nameToJson (const Control& nameControl)
{
    const auto bytes = nameControl.getBytes();
    const auto printable = std::all_of (bytes.begin(), bytes.end(), [] (auto b) { return b >= 32 && b < 127; });

    // A name the keyboard could not show as text still round-trips, as its character codes.
    if (! printable)
        return Json (std::vector<int> (bytes.begin(), bytes.end()));

    return Json (std::string (bytes.begin(), bytes.end()));
}

Json controlToJson (const Control& control)
{
    auto object = Json::object();
    const auto bytes = control.getBytes();

    for (int i = 0; i < bytes.size(); ++i)
        object[control.getShownByteName (i).toStdString()] = static_cast<int> (bytes[i]);

    return object;
}
} // namespace

std::string PresetJson::write (const PresetModel& model)
{
    auto root = Json::object();
    root[PresetJsonKeys::name] = nameToJson (*model.getControl (ControlGroup::presetNameGroup));

    for (const auto& block : PresetJsonKeys::blocks())
    {
        if (! block.isArray)
        {
            root[block.key] = controlToJson (*model.getControl (block.groupId));
            continue;
        }

        auto& controls = root[block.key] = Json::array();
        for (int i = 0; i < model.getNumControls (block.groupId); ++i)
            controls.push_back (controlToJson (*model.getControl (block.groupId, i)));
    }

    return root.dump (2) + "\n";
}

juce::Result PresetJson::read (const std::string& text, const PresetModel& model, Control::Bytes& presetData)
{
    if (const auto checked = JsonSyntaxCheck::check (text); checked.failed())
        return checked;

    // Cannot fail once the check has passed; parse without exceptions all the same.
    const auto root = PresetJsonReader::Json::parse (text, nullptr, false);
    return PresetJsonReader (model, presetData).read (root);
}

juce::String PresetJson::placeOf (const PresetModel& model, int dataOffset)
{
    const auto* nameControl = model.getControl (ControlGroup::presetNameGroup);
    const auto inName = dataOffset - nameControl->getImageOffset();

    if (juce::isPositiveAndBelow (inName, nameControl->getByteCount()))
        return juce::String (PresetJsonKeys::name) + " character " + juce::String (inName + 1);

    for (const auto& block : PresetJsonKeys::blocks())
        for (int i = 0; i < (block.isArray ? model.getNumControls (block.groupId) : 1); ++i)
        {
            const auto* control = model.getControl (block.groupId, i);
            const auto byteIndex = dataOffset - control->getImageOffset();

            if (juce::isPositiveAndBelow (byteIndex, control->getByteCount()))
                return block.key + (block.isArray ? "[" + juce::String (i) + "]" : juce::String()) + " \""
                       + control->getShownByteName (byteIndex) + "\"";
        }

    return "byte " + juce::String (dataOffset);
}
