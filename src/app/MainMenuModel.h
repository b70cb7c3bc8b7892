#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The one menu bar of the program, "File", "Options", "Window" and "Help", made of command
    items only: the command manager routes each to the editor window in front or to the
    application, and greys out the editor-window items when no editor window is in front.
    Without a global menu bar, "About" opens the "Help" menu. */
class MainMenuModel : public juce::MenuBarModel
{
public:
    explicit MainMenuModel (juce::ApplicationCommandManager* commandManager);

    juce::StringArray getMenuBarNames() override;
    juce::PopupMenu getMenuForIndex (int menuIndex, const juce::String& menuName) override;
    void menuItemSelected (int, int) override {}

private:
    juce::PopupMenu fileMenu();
    juce::PopupMenu hardwareMenu();
    juce::PopupMenu optionsMenu();
    juce::PopupMenu windowMenu();
    juce::PopupMenu helpMenu();

    juce::ApplicationCommandManager* commandManager;
};
