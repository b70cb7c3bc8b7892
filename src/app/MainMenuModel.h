#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The one menu bar of the program, "File", "Options", "Window" and "Help". Commands are command
    items: the command manager routes each to the editor window in front or to the application,
    and greys out the editor-window items when no editor window is in front. Besides them "File"
    offers the recent files and "Window" lists the open windows. Without a global menu bar,
    "About" opens the "Help" menu. */
class MainMenuModel : public juce::MenuBarModel
{
public:
    /** What the menus list besides commands, and what choosing an entry does. */
    class Lists
    {
    public:
        virtual ~Lists() = default;

        /** The open editor windows' document names, in window order. */
        virtual juce::StringArray getWindowNames() = 0;

        /** The index of the window in front, or -1. */
        virtual int getFrontWindow() = 0;
        virtual void showWindow (int index) = 0;

        /** The most recent first. */
        virtual juce::Array<juce::File> getRecentFiles() = 0;
        virtual void openRecentFile (const juce::File& file) = 0;
    };

    explicit MainMenuModel (juce::ApplicationCommandManager* commandManager, Lists* lists = nullptr);

    juce::StringArray getMenuBarNames() override;
    juce::PopupMenu getMenuForIndex (int menuIndex, const juce::String& menuName) override;
    void menuItemSelected (int itemId, int) override;

    // Far below the command ids, which are item ids too.
    static constexpr int firstWindowItem = 1000;
    static constexpr int firstRecentItem = 2000;

private:
    juce::PopupMenu fileMenu();
    juce::PopupMenu recentMenu();
    juce::PopupMenu hardwareMenu();
    juce::PopupMenu optionsMenu();
    juce::PopupMenu windowMenu();
    juce::PopupMenu helpMenu();

    juce::ApplicationCommandManager* commandManager;
    Lists* lists;
    juce::Array<juce::File> shownRecentFiles; // as last listed, which the ids point into
};
