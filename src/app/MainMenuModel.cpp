#include "app/MainMenuModel.h"

#include "app/CommandIds.h"
#include "app/desktop/InterfaceScale.h"

using namespace CommandIds;

MainMenuModel::MainMenuModel (juce::ApplicationCommandManager* commandManagerIn, Lists* listsIn)
    : commandManager (commandManagerIn),
      lists (listsIn)
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

void MainMenuModel::menuItemSelected (int itemId, int)
{
    if (lists == nullptr)
        return;

    if (itemId >= firstRecentItem && itemId - firstRecentItem < shownRecentFiles.size())
        lists->openRecentFile (shownRecentFiles[itemId - firstRecentItem]);
    else if (itemId >= firstWindowItem && itemId < firstRecentItem)
        lists->showWindow (itemId - firstWindowItem);
}

juce::PopupMenu MainMenuModel::fileMenu()
{
    juce::PopupMenu menu;

    menu.addCommandItem (commandManager, newWindowCommand);
    menu.addCommandItem (commandManager, openCommand);

    auto recent = recentMenu();
    menu.addSubMenu ("Open Recent", recent, recent.getNumItems() > 0);

    for (auto id : { closeWindowCommand, saveCommand, saveAsCommand })
        menu.addCommandItem (commandManager, id);

    menu.addSubMenu ("Hardware", hardwareMenu(), true);

#if ! JUCE_MAC
    // macOS shows "Quit" in its application menu; elsewhere it ends the "File" menu.
    menu.addSeparator();
    menu.addCommandItem (commandManager, quitCommand);
#endif

    return menu;
}

juce::PopupMenu MainMenuModel::recentMenu()
{
    juce::PopupMenu menu;
    shownRecentFiles = lists != nullptr ? lists->getRecentFiles() : juce::Array<juce::File>();

    for (int i = 0; i < shownRecentFiles.size(); ++i)
        menu.addItem (firstRecentItem + i, shownRecentFiles[i].getFullPathName());

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
    menu.addSeparator();
    menu.addCommandItem (commandManager, keyboardSlotsCommand);
    return menu;
}

juce::PopupMenu MainMenuModel::optionsMenu()
{
    juce::PopupMenu menu;
    menu.addCommandItem (commandManager, deviceSetupCommand);

    juce::PopupMenu sizes;

    for (int i = 0; i < InterfaceScale::choices().size(); ++i)
        sizes.addCommandItem (commandManager, firstInterfaceSizeCommand + static_cast<juce::CommandID> (i));

    menu.addSubMenu ("Interface Size", sizes);
    return menu;
}

juce::PopupMenu MainMenuModel::windowMenu()
{
    juce::PopupMenu menu;
    menu.addCommandItem (commandManager, minimizeCommand);
    menu.addCommandItem (commandManager, bringAllToFrontCommand);
    menu.addCommandItem (commandManager, mappingWindowCommand);
    menu.addSeparator();

    if (lists == nullptr)
        return menu;

    const auto names = lists->getWindowNames();
    const auto front = lists->getFrontWindow();

    for (int i = 0; i < names.size(); ++i)
        menu.addItem (firstWindowItem + i, names[i], true, i == front);

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
