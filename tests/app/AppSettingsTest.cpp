#include "app/AppTestSupport.h"
#include "app/dialogs/SendPresetComponent.h"

#include <gtest/gtest.h>

using namespace AppTestSupport;

namespace
{
/** A MIDI manager over in-process ports of those names, each an input and an output. */
struct Ports
{
    explicit Ports (const juce::StringArray& names)
    {
        for (const auto& name : names)
        {
            layer->plugIn (std::make_shared<VirtualMidiInput> (name));
            layer->plugIn (std::make_shared<VirtualMidiOutput> (name, [] (const juce::MidiMessage&) {}));
        }
    }

    juce::String opened() const { return midi.getInputDeviceName() + "|" + midi.getOutputDeviceName(); }

    std::shared_ptr<VirtualMidiPortLayer> layer = std::make_shared<VirtualMidiPortLayer>();
    MidiManager midi { layer };
};
} // namespace

TEST (AppSettings, ReopensTheChosenPortsOrElseTheOnlyKeyboard)
{
    struct Case
    {
        const char* chosenLastRun; // none when empty
        juce::StringArray present;
        const char* opened;
    };

    const Case cases[] = {
        { "Synth", { "QX61 MIDI 1", "Synth" }, "Synth|Synth" },        // the choice wins over the keyboard
        { "Synth", { "QX61 MIDI 1" }, "|" },                           // a choice not present opens nothing
        { "", { "Other", "QX61 MIDI 1" }, "QX61 MIDI 1|QX61 MIDI 1" }, // never chosen: the one keyboard
        { "", { "QX61 MIDI 1", "QX61 MIDI 2" }, "|" },                 // two keyboards: no guess
    };

    for (const auto& c : cases)
    {
        TempFolder folder;

        if (juce::String (c.chosenLastRun).isNotEmpty())
        {
            Ports lastRun ({ c.chosenLastRun });
            lastRun.midi.setInputDevice (c.chosenLastRun);
            lastRun.midi.setOutputDevice (c.chosenLastRun);
            AppSettings (folder.folder).rememberPorts (lastRun.midi);
        }

        Ports now (c.present);
        AppSettings (folder.folder).reopenPorts (now.midi, "QX61");
        EXPECT_EQ (now.opened(), c.opened) << c.chosenLastRun << " " << c.present.joinIntoString (",");
    }
}

TEST (AppSettings, AFileThatIsNoSettingsIsSetAsideAndTheDefaultsUsed)
{
    for (const auto* contents : { "<PROPERTIES><VALUE name=\"lastFolder\" val=\"/tmp\"/>", "<other/>", "\x01\x02" })
    {
        TempFolder folder;
        const auto file = folder.file ("settings.xml");
        file.replaceWithText (contents);

        AppSettings settings (folder.folder);
        EXPECT_TRUE (settings.getProblem().contains (file.getFullPathName())) << settings.getProblem();
        EXPECT_EQ (folder.file ("settings.xml.damaged").loadFileAsString(), contents);
        EXPECT_EQ (settings.getLastFolder(), juce::File());

        // The next change writes a good file in its place.
        settings.setLastFolder (folder.folder);
        EXPECT_EQ (AppSettings (folder.folder).getLastFolder(), folder.folder);
        EXPECT_EQ (AppSettings (folder.folder).getProblem(), "");
    }
}

TEST (AppSettings, RecentFilesKeepTheLastTenOpenedOrSavedAndDropAGoneOneSayingWhy)
{
    ShellHarness harness;
    TempFolder temp;
    auto* window = harness.start();

    for (int i = 0; i < 12; ++i)
    {
        harness.chooser.answers = { temp.file ("p" + juce::String (i) + ".qx6") };
        window->saveAs();
    }

    window->openPresetFile (temp.file ("p5.qx6"));
    const auto recent = AppSettings (harness.settingsFolder.folder).getRecentFiles();
    ASSERT_EQ (recent.size(), AppSettings::maxRecentFiles);
    EXPECT_EQ (recent[0], temp.file ("p5.qx6"));
    EXPECT_EQ (recent[1], temp.file ("p11.qx6"));
    EXPECT_EQ (recent[9], temp.file ("p2.qx6"));
    EXPECT_EQ (harness.settings.getLastFolder(), temp.folder);

    // Through the menu, as the user chooses: an existing file opens in a new window, a gone one
    // goes from the list with an alert that says why.
    auto& menus = harness.shell->getMenuModel();
    temp.file ("p11.qx6").deleteFile();
    menus.getMenuForIndex (0, "File");
    menus.menuItemSelected (MainMenuModel::firstRecentItem + 1, 0);
    EXPECT_EQ (harness.settings.getRecentFiles().size(), 9);
    EXPECT_FALSE (harness.settings.getRecentFiles().contains (temp.file ("p11.qx6")));
    EXPECT_TRUE (harness.alerts.only().contains ("p11.qx6: No such file or directory")) << harness.alerts.only();

    menus.getMenuForIndex (0, "File");
    menus.menuItemSelected (MainMenuModel::firstRecentItem + 1, 0);
    ASSERT_EQ (harness.windows().getNumWindows(), 2);
    EXPECT_EQ (harness.windows().getWindow (1)->getCurrentFile(), temp.file ("p10.qx6"));
}

TEST (AppSettings, InterfaceSizeChosenInTheMenuScalesEveryWindowAndIsRemembered)
{
    ShellHarness harness;
    auto* window = harness.start();
    const auto width = window->getWidth();
    const auto scaleBefore = juce::Desktop::getInstance().getGlobalScaleFactor();
    const auto options = [&harness] { // the commands listed, "*" after the ticked one
        juce::StringArray listed;
        const auto menu = harness.shell->getMenuModel().getMenuForIndex (1, "Options");

        for (juce::PopupMenu::MenuItemIterator item (menu, true); item.next();)
            if (item.getItem().commandManager != nullptr)
                listed.add (item.getItem().text + (item.getItem().isTicked ? "*" : ""));

        return listed;
    };

    EXPECT_EQ (options(), juce::StringArray ({ "Device Setup", "Automatic*", "100 %", "125 %", "150 %", "200 %" }));
    harness.invoke (CommandIds::firstInterfaceSizeCommand + 3);
    EXPECT_EQ (options()[4], "150 %*");
    EXPECT_FLOAT_EQ (window->getDesktopScaleFactor() / scaleBefore, 1.5f);
    EXPECT_EQ (window->getWidth(), width); // its layout stays in its own units
    EXPECT_EQ (AppSettings (harness.settingsFolder.folder).getInterfaceSize(), 150);

    harness.invoke (CommandIds::firstInterfaceSizeCommand); // "Automatic", for the tests after this
    EXPECT_FLOAT_EQ (juce::Desktop::getInstance().getGlobalScaleFactor(), scaleBefore);
}

// Names read are kept per keyboard port with their time, and shown when the slot list opens again.
TEST (AppSettings, SlotNamesReadAreRememberedPerPortAndShownAgain)
{
    ShellHarness harness (true);
    harness.useKeyboard();
    harness.start();
    harness.shell->showKeyboardSlotsWindow();
    auto* slots = harness.shell->getKeyboardSlotsWindow();
    ASSERT_NE (slots, nullptr);
    EXPECT_EQ (slots->getContent().rowText (2), juce::String (juce::CharPointer_UTF8 ("03  \xe2\x80\x94")));

    slots->getContent().getEngine().startNameRead();
    ASSERT_TRUE (
        MidiTestSupport::dispatchUntil ([&] { return ! slots->getContent().getEngine().isTransferRunning(); }, 20000));
    EXPECT_EQ (slots->getContent().rowText (2), "03  Sim Preset 03");

    const AppSettings reread (harness.settingsFolder.folder);
    const auto kept = reread.getSlotNames (SimulatedKeyboard::portName);
    ASSERT_EQ (kept.names.size(), (size_t) ModelConstants::numSlots);
    EXPECT_EQ (kept.names[23].value_or ("-"), "Sim Preset 24");
    EXPECT_LT (std::abs ((juce::Time::getCurrentTime() - kept.readAt).inSeconds()), 60.0);
    EXPECT_TRUE (reread.getSlotNames ("Another Keyboard").names.empty());

    delete slots;
    harness.shell->showKeyboardSlotsWindow();
    EXPECT_EQ (harness.shell->getKeyboardSlotsWindow()->getContent().rowText (0), "01  Sim Preset 01");

    // The slot dialogs name the slots; the send dialog says what the chosen one holds.
    auto* window = harness.windows().getWindow (0);
    window->openSendPresetWindow();
    auto& send = static_cast<SendPresetComponent&> (window->getSendPresetWindow()->getContent());
    EXPECT_EQ (send.getSlotComboBox().getItemText (4),
               juce::String (juce::CharPointer_UTF8 ("5 \xc2\xb7 Sim Preset 05")));
    EXPECT_EQ (send.getReplacesText(), "");
    send.getSlotComboBox().setSelectedId (5, juce::sendNotificationSync);
    EXPECT_EQ (send.getReplacesText(),
               juce::String (juce::CharPointer_UTF8 ("Replaces \xe2\x80\x9cSim Preset 05\xe2\x80\x9d")));
}

// A get or send that ends well leaves its preset's name in that slot, remembered and listed.
TEST (AppSettings, AGetOrSendRemembersTheSlotsNewName)
{
    ShellHarness harness (true);
    harness.useKeyboard();
    auto& engine = harness.start()->getEngine();
    harness.shell->showKeyboardSlotsWindow();

    for (const auto& [send, slot, name] :
         { std::tuple (false, 6, "Sim Preset 07"), std::tuple (true, 4, "Lead Split") })
    {
        send ? (void) (engine.renamePreset (name) && engine.sendPreset ((juce::uint8) slot))
             : engine.startGet ((juce::uint8) slot);
        ASSERT_TRUE (MidiTestSupport::dispatchUntil ([&] { return ! engine.isTransferRunning(); }, 20000));
        const auto kept = AppSettings (harness.settingsFolder.folder).getSlotNames (SimulatedKeyboard::portName).names;
        EXPECT_EQ (kept.at ((size_t) slot).value_or ("-"), name);
        EXPECT_TRUE (harness.shell->getKeyboardSlotsWindow()->getContent().rowText (slot).endsWith (name));
    }
}
