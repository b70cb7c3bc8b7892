#pragma once

#include "model/controls/ControlGroup.h"

#include <vector>

/** The top-level keys of a preset JSON and the section each holds, in the order written. */
namespace PresetJsonKeys
{
inline constexpr const char* name = "name";

struct Block
{
    const char* key;
    int groupId;
    bool isArray;
};

inline const std::vector<Block>& blocks()
{
    static const std::vector<Block> all {
        { "keybed", ControlGroup::keybedGroup, false },
        { "rollMode", ControlGroup::rollModeGroup, false },
        { "transport", ControlGroup::transportGroup, true },
        { "wheels", ControlGroup::wheelsGroup, false },
        { "sustain", ControlGroup::sustainGroup, false },
        { "knobs", ControlGroup::knobGroup, true },
        { "pads", ControlGroup::padGroup, true },
        { "switches", ControlGroup::switchGroup, true },
        { "midiToDin", ControlGroup::midiToDinGroup, false },
    };
    return all;
}
} // namespace PresetJsonKeys
