#include "app/CommandTable.h"

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
    { openUserGuideCommand, "Open User Guide", 'H' },
};
} // namespace

void CommandTable::fillCommandInfo (juce::CommandID commandId, juce::ApplicationCommandInfo& info)
{
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
    return { aboutCommand,    newWindowCommand,       openCommand,          deviceSetupCommand, closeWindowCommand,
             minimizeCommand, bringAllToFrontCommand, openUserGuideCommand, quitCommand,        keyboardSlotsCommand };
}

juce::Array<juce::CommandID> CommandTable::editorWindowCommands()
{
    return { saveCommand,        saveAsCommand,          getPresetCommand,      sendPresetCommand,
             closeWindowCommand, setInternalSyncCommand, setExternalSyncCommand };
}
