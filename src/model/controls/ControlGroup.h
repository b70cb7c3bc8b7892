#pragma once

/** Ids of the keyboard's sections: the keys of the engine's group map. A control is addressed
    by its group id and its index within the group. */
namespace ControlGroup
{
enum Id : int
{
    presetNameGroup = 0,
    keybedGroup = 1,
    transportGroup = 2,
    rollModeGroup = 3,
    wheelsGroup = 4,
    sustainGroup = 5,
    switchGroup = 6,
    knobGroup = 7,
    padGroup = 8,
    midiToDinGroup = 9
};
} // namespace ControlGroup
