#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** Every command of the program, one table of ids for the menus, the keys and the targets. */
namespace CommandIds
{
enum : juce::CommandID
{
    newWindowCommand = 0x200010,
    openCommand = 0x200020,
    closeWindowCommand = 0x200030,
    saveCommand = 0x200040,
    saveAsCommand = 0x200050,
    quitCommand = 0x200060,
    getPresetCommand = 0x200070,
    sendPresetCommand = 0x200071,
    setInternalSyncCommand = 0x200072,
    setExternalSyncCommand = 0x200073,
    keyboardSlotsCommand = 0x200074,
    aboutCommand = 0x200090,
    deviceSetupCommand = 0x200310,
    firstInterfaceSizeCommand = 0x200320, // one per choice of InterfaceScale, in its order
    minimizeCommand = 0x200410,
    bringAllToFrontCommand = 0x200420,
    mappingWindowCommand = 0x200430,
    openUserGuideCommand = 0x200510
};
} // namespace CommandIds
