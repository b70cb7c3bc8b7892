#include "app/CommandTable.h"

#include "app/desktop/InterfaceScale.h"

using namespace CommandIds;

namespace
{
struct Entry
{
    juce::CommandID id;
    const char* shortName;
    int keyCode; // 0: no default key
    int extraModifiers = 0;
};

const Entry entries[] = {
    { newWindowCommand, "New Window ", 'N' },
    { openCommand, "Open", 'O' },
    { closeWindowCommand, "Close Window", 'W' },
    { saveCommand, "Save", 'S' },
    { saveAsCommand, "Save As", 'S', juce::ModifierKeys::shiftModifier },
    { quitCommand, "Quit", 'Q' },
    { getPresetCommand, "Get Preset", 0 },
    { sendPresetCommand, "Send Preset", 0 },
    { setInternalSyncCommand, "Set Internal Sync", 0 },
    { setExternalSyncCommand, "Set External Sync", 0 },
    { keyboardSlotsCommand, "Keyboard Slots", 0 },
    { aboutCommand, "About", 0 },
    { deviceSetupCommand, "Device Setup", 0 },
    { minimizeCommand, "Minimize", 'M' },
    { bringAllToFrontCommand, "Bring All to Front", 0 },
    { mappingWindowCommand, "Mapping", 'M', juce::ModifierKeys::shiftModifier },
    { openUserGuideCommand, "Open User Guide", 'H' },
};
} // namespace

int CommandTable::interfaceSizeOf (juce::CommandID commandId)
{
    const auto index = static_cast<int> (commandId) - static_cast<int> (firstInterfaceSizeCommand);
    return juce::isPositiveAndBelow (index, InterfaceScale::choices().size()) ? InterfaceScale::choices()[index] : -1;
}

void CommandTable::fillCommandInfo (juce::CommandID commandId, juce::ApplicationCommandInfo& info)
{
    if (const auto percent = interfaceSizeOf (commandId); percent >= 0)
    {
        info.setInfo (InterfaceScale::choiceName (percent), {}, "General", 0);
        info.setActive (true);
        return;
    }

    for (const auto& entry : entries)
    {
        if (entry.id != commandId)
            continue;

        info.setInfo (entry.shortName, {}, "General", 0);
        info.setActive (true);

        if (entry.keyCode != 0)
            info.addDefaultKeypress (entry.keyCode, juce::ModifierKeys::commandModifier | entry.extraModifiers);

        return;
    }
}

juce::Array<juce::CommandID> CommandTable::applicationCommands()
{
    juce::Array<juce::CommandID> commands { aboutCommand,           newWindowCommand,     openCommand,
                                            deviceSetupCommand,     closeWindowCommand,   minimizeCommand,
                                            bringAllToFrontCommand, openUserGuideCommand, quitCommand,
                                            keyboardSlotsCommand };

    for (int i = 0; i < InterfaceScale::choices().size(); ++i)
        commands.add (firstInterfaceSizeCommand + static_cast<juce::CommandID> (i));

    return commands;
}

juce::Array<juce::CommandID> CommandTable::editorWindowCommands()
{
    return { saveCommand,        saveAsCommand,          getPresetCommand,       sendPresetCommand,
             closeWindowCommand, setInternalSyncCommand, setExternalSyncCommand, mappingWindowCommand };
}
