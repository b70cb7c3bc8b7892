#include "app/MainMenuModel.h"

#include "app/CommandIds.h"

using namespace CommandIds;

MainMenuModel::MainMenuModel (juce::ApplicationCommandManager* commandManagerIn) : commandManager (commandManagerIn)
{
    setApplicationCommandManagerToWatch (commandManager);
}

juce::StringArray MainMenuModel::getMenuBarNames()
{
    return { "File", "Options", "Window", "Help" };
}

juce::PopupMenu MainMenuModel::getMenuForIndex (int, const juce::String& menuName)
{
    if (menuName == "File")
        return fileMenu();
    if (menuName == "Options")
        return optionsMenu();
    if (menuName == "Window")
        return windowMenu();
    if (menuName == "Help")
        return helpMenu();

    return {};
}

juce::PopupMenu MainMenuModel::fileMenu()
{
    juce::PopupMenu menu;

    for (auto id : { newWindowCommand, openCommand, closeWindowCommand, saveCommand, saveAsCommand })
        menu.addCommandItem (commandManager, id);

    menu.addSubMenu ("Hardware", hardwareMenu(), true);

#if ! JUCE_MAC
    // macOS shows "Quit" in its application menu; elsewhere it ends the "File" menu.
    menu.addSeparator();
    menu.addCommandItem (commandManager, quitCommand);
#endif

    return menu;
}

juce::PopupMenu MainMenuModel::hardwareMenu()
{
    juce::PopupMenu menu;
    menu.addCommandItem (commandManager, getPresetCommand);
    menu.addCommandItem (commandManager, sendPresetCommand);
    menu.addSeparator();
    menu.addCommandItem (commandManager, setInternalSyncCommand);
    menu.addCommandItem (commandManager, setExternalSyncCommand);
    return menu;
}

juce::PopupMenu MainMenuModel::optionsMenu()
{
    juce::PopupMenu menu;
    menu.addCommandItem (commandManager, deviceSetupCommand);
    return menu;
}

juce::PopupMenu MainMenuModel::windowMenu()
{
    juce::PopupMenu menu;
    menu.addCommandItem (commandManager, minimizeCommand);
    menu.addCommandItem (commandManager, bringAllToFrontCommand);
    menu.addSeparator();
    return menu;
}

juce::PopupMenu MainMenuModel::helpMenu()
{
    juce::PopupMenu menu;

#if ! JUCE_MAC
    menu.addCommandItem (commandManager, aboutCommand);
#endif

    menu.addCommandItem (commandManager, openUserGuideCommand);
    return menu;
}
