#include "AppTestSupport.h"

#include <gtest/gtest.h>

using namespace AppTestSupport;

namespace
{
struct PresetSlotDialogs : public ::testing::Test
{
    explicit PresetSlotDialogs (bool withKeyboard = true) : harness (withKeyboard)
    {
        window->getEngine().setTiming ({ 1, 1, 2000, 9 });
    }

    static void choose (PresetSlotWindow& dialog, int slot)
    {
        dialog.getContent().getSlotComboBox().setSelectedId (slot, juce::sendNotificationSync);
    }

    ShellHarness harness;
    EditorWindow* window = harness.start();
};

struct PresetSlotDialogsWithoutPorts : public PresetSlotDialogs
{
    PresetSlotDialogsWithoutPorts() : PresetSlotDialogs (false) {}
};
} // namespace

TEST_F (PresetSlotDialogs, CancelAsksNothingGetReadsTheChosenSlotSendWritesSlot1)
{
    harness.useKeyboard();
    window->openGetPresetWindow();
    window->openSendPresetWindow();
    ASSERT_TRUE (clickButton (*window->getGetPresetWindow(), "Cancel"));
    ASSERT_TRUE (clickButton (*window->getSendPresetWindow(), "Cancel"));

    EXPECT_EQ (window->getGetPresetWindow(), nullptr);
    EXPECT_EQ (window->getSendPresetWindow(), nullptr);
    EXPECT_EQ (harness.keyboard->getReadRequestCount(), 0);
    EXPECT_EQ (harness.keyboard->getWriteCount(), 0);

    // Get starts at slot 1; asking again while it is open makes no second dialog.
    window->openGetPresetWindow();
    juce::WeakReference<GetPresetWindow> get (window->getGetPresetWindow());
    ASSERT_NE (get, nullptr);
    EXPECT_EQ (get->getName(), "Get Preset From Hardware");
    ASSERT_TRUE (dispatchUntil ([&] { return get->getContent().getSlotComboBox().getText() == "1"; }));
    EXPECT_EQ (get->getContent().getSelectedSlot(), 1);
    window->openGetPresetWindow();
    EXPECT_EQ (window->getGetPresetWindow(), get.get());

    // Slot 24 is the keyboard's index 23.
    choose (*get, 24);
    ASSERT_TRUE (clickButton (*get, "Get"));
    EXPECT_EQ (get, nullptr);
    EXPECT_TRUE (dispatchUntil ([&] { return presetName (window->getEngine()) == "Sim Preset 24"; }, 20000))
        << presetName (window->getEngine());

    // Send starts with no slot chosen and then means slot 1.
    window->openSendPresetWindow();
    auto* send = window->getSendPresetWindow();
    juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
    EXPECT_EQ (send->getContent().getSlotComboBox().getSelectedId(), 0);
    EXPECT_EQ (send->getContent().getSelectedSlot(), 1);

    ASSERT_TRUE (clickButton (*send, "Send"));
    EXPECT_EQ (window->getSendPresetWindow(), nullptr);
    ASSERT_TRUE (harness.keyboard->waitUntilIdle (5000));
    ASSERT_TRUE (dispatchUntil ([&] { return harness.keyboard->getWriteCount() == 465; }));
    EXPECT_EQ (harness.keyboard->getSlotData (0), window->getEngine().getModel().collectData());
    EXPECT_TRUE (harness.alerts.boxes.empty());
}

TEST_F (PresetSlotDialogsWithoutPorts, WithoutPortsEachWindowShowsOneMidiErrorAtATime)
{
    window->openSendPresetWindow();
    juce::WeakReference<SendPresetWindow> dialog (window->getSendPresetWindow());

    // Send keeps the dialog open.
    ASSERT_TRUE (clickButton (*dialog, "Send"));
    ASSERT_NE (dialog, nullptr);
    EXPECT_EQ (harness.alerts.only(), "MIDI Error: MIDI Communication Unsuccessful.\r\n"
                                      "Verify MIDI Connection and Device Settings.\r\n"
                                      "Verify no other applications are using the MIDI Port.");

    // Another try while the box is up: still open, still one box.
    ASSERT_TRUE (clickButton (*dialog, "Send"));
    ASSERT_NE (dialog, nullptr);
    EXPECT_EQ (harness.alerts.shownCount, 1);

    // After the box is dismissed a new failure shows a new one.
    harness.alerts.dismissFirst();
    ASSERT_TRUE (clickButton (*dialog, "Send"));
    EXPECT_EQ (harness.alerts.shownCount, 2);

    ASSERT_TRUE (clickButton (*dialog, "Cancel"));
    EXPECT_EQ (dialog, nullptr);
    harness.alerts.dismissFirst();

    // Sync fails alike.
    ASSERT_TRUE (activate (*window));
    harness.invoke (CommandIds::setExternalSyncCommand);
    EXPECT_EQ (harness.alerts.shownCount, 3);

    juce::ApplicationCommandTarget::InvocationInfo info (CommandIds::setInternalSyncCommand);
    window->perform (info);
    EXPECT_EQ (harness.alerts.shownCount, 3);

    // Another window has a box of its own.
    harness.invoke (CommandIds::newWindowCommand);
    harness.windows().getWindow (1)->midiCommunicationFailed ({});
    window->midiCommunicationFailed ({});
    EXPECT_EQ (harness.alerts.shownCount, 4);
}

TEST_F (PresetSlotDialogs, ClosingTheWindowDeletesItsOpenDialogs)
{
    window->openGetPresetWindow();
    window->openSendPresetWindow();
    juce::WeakReference<GetPresetWindow> getDialog (window->getGetPresetWindow());
    juce::WeakReference<SendPresetWindow> sendDialog (window->getSendPresetWindow());
    QXEditorEngine::Ptr engine (&window->getEngine());

    window->closeWindow();

    EXPECT_EQ (harness.windows().getNumWindows(), 0);
    EXPECT_EQ (getDialog, nullptr);
    EXPECT_EQ (sendDialog, nullptr);

    // Window, content and dialogs have let go of the engine.
    EXPECT_EQ (engine->getReferenceCount(), 1);
}
