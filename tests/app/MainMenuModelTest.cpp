#include "app/AppTestSupport.h"

#include <gtest/gtest.h>

using namespace AppTestSupport;

namespace
{
/** One line per entry: "text|key|enabled" or "---" for a separator; a submenu's entries follow
    its own line, indented. */
juce::StringArray describe (const juce::PopupMenu& menu, const juce::String& indent = {})
{
    juce::StringArray lines;

    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
    {
        const auto& item = it.getItem();

        if (item.isSeparator)
        {
            lines.add (indent + "---");
            continue;
        }

        juce::String key;

        if (item.commandManager != nullptr)
            key = item.commandManager->getKeyMappings()
                      ->getKeyPressesAssignedToCommand (item.itemID)
                      .getFirst()
                      .getTextDescription();

        lines.add (indent + item.text + "|" + key + "|" + (item.isEnabled ? "on" : "off")
                   + (item.isTicked ? "|ticked" : ""));

        if (item.subMenu != nullptr)
            lines.addArray (describe (*item.subMenu, indent + "  "));
    }

    return lines;
}

std::string lines (std::initializer_list<juce::String> texts)
{
    return juce::StringArray (texts.begin(), (int) texts.size()).joinIntoString ("\n").toStdString();
}

std::string menu (ShellHarness& harness, const juce::String& name)
{
    auto& model = harness.shell->getMenuModel();
    return describe (model.getMenuForIndex (model.getMenuBarNames().indexOf (name), name))
        .joinIntoString ("\n")
        .toStdString();
}

// The command modifier is Ctrl here, Cmd on macOS.
const juce::String ctrl = juce::KeyPress ('N', juce::ModifierKeys::commandModifier, 0)
                              .getTextDescription()
                              .upToLastOccurrenceOf ("N", false, false);

/** The File menu with the items that need an editor window enabled or not. */
std::string fileMenu (bool editorItems)
{
    const juce::String state = editorItems ? "|on" : "|off";
    return lines ({ "New Window |" + ctrl + "N|on", "Open|" + ctrl + "O|on", "Open Recent||off",
                    "Close Window|" + ctrl + "W|on", "Save|" + ctrl + "S" + state,
                    "Save As|" + ctrl + "shift + S" + state, "Hardware||on", "  Get Preset|" + state,
                    "  Send Preset|" + state, "  ---", "  Set Internal Sync|" + state, "  Set External Sync|" + state,
                    "---", "Quit|" + ctrl + "Q|on" });
}
} // namespace

TEST (MainMenuModel, FourMenusWhoseEditorItemsNeedAnEditorWindowInFront)
{
    ShellHarness harness;
    EXPECT_EQ (harness.shell->getMenuModel().getMenuBarNames(),
               juce::StringArray ("File", "Options", "Window", "Help"));
    EXPECT_EQ (menu (harness, "Window"), lines ({ "Minimize|" + ctrl + "M|on", "Bring All to Front||on", "---" }));

    // The editor items are enabled only with an editor window in front.
    EXPECT_EQ (menu (harness, "File"), fileMenu (false));

    // "Close Window" is the application's then, and does nothing.
    harness.invoke (CommandIds::closeWindowCommand);
    EXPECT_EQ (harness.windows().getNumWindows(), 0);

    ASSERT_TRUE (activate (*harness.start()));
    EXPECT_EQ (menu (harness, "File"), fileMenu (true));
}

TEST (MainMenuModel, WindowMenuListsTheOpenWindowsAndBringsTheChosenOneToFront)
{
    ShellHarness harness;
    harness.start();
    auto* second = harness.shell->openNewEditorWindow();
    ASSERT_TRUE (activate (*second));
    EXPECT_EQ (menu (harness, "Window"), lines ({ "Minimize|" + ctrl + "M|on", "Bring All to Front||on", "---",
                                                  "Untitled 1||on", "Untitled 2||on|ticked" }));

    harness.shell->getMenuModel().menuItemSelected (MainMenuModel::firstWindowItem, 2);
    EXPECT_TRUE (dispatchUntil ([&] { return harness.windows().getWindow (0)->isActiveWindow(); }));
}
