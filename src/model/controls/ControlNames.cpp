#include "model/controls/ControlNames.h"

#include "model/kinds/QXTransport.h"

#include <map>

using namespace ControlGroup;

juce::String ControlNames::title (int groupId, int index)
{
    const auto numbered = [index] (const char* kind) { return juce::String (kind) + " " + juce::String (index + 1); };

    switch (groupId)
    {
        case presetNameGroup: return "Preset Name";
        case keybedGroup: return "Keybed";
        case transportGroup: return QXTransport::buttonNames()[index];
        case rollModeGroup: return "Roll Mode";
        case wheelsGroup: return "Wheels";
        case sustainGroup: return "Sustain";
        case switchGroup: return numbered ("Switch");
        case knobGroup: return numbered ("Knob");
        case padGroup: return numbered ("Pad");
        case midiToDinGroup: return "MIDI to DIN";
        default: return {};
    }
}

juce::String ControlNames::describeDataByte (const PresetModel& model, int address)
{
    juce::String description;
    std::map<int, int> indexes;

    model.forEachControl ([&] (int groupId, const Control& control) {
        const auto index = indexes[groupId]++;
        const auto byteIndex = address - control.getImageOffset();

        if (description.isEmpty() && juce::isPositiveAndBelow (byteIndex, control.getByteCount()))
            description = title (groupId, index) + juce::String (juce::CharPointer_UTF8 (" \xc2\xb7 "))
                          + control.getByteName (byteIndex);
    });

    return description;
}
