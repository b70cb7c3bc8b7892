#include "AppTestSupport.h"

#include <gtest/gtest.h>

using namespace AppTestSupport;

namespace
{
struct PresetSlotDialogs : public ::testing::Test
{
    explicit PresetSlotDialogs (bool withKeyboard = true) : harness (withKeyboard)
    {
        harness.shell->start ({});
        window = harness.windows().getWindow (0);
        window->getEngine().setTiming ({ 1, 1, 2000, 9 });
    }

    /** Clicks the dialog's button as the user would and lets the click arrive. */
    static void click (juce::Component& dialog, const juce::String& caption)
    {
        auto* button = findChild<juce::Button> (dialog, caption);
        ASSERT_NE (button, nullptr) << caption;
        button->triggerClick();
        juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
    }

    static void choose (PresetSlotWindow& dialog, int slot)
    {
        dialog.getContent().getSlotComboBox().setSelectedId (slot, juce::sendNotificationSync);
    }

    ShellHarness harness;
    EditorWindow* window = nullptr;
};

struct PresetSlotDialogsWithoutPorts : public PresetSlotDialogs
{
    PresetSlotDialogsWithoutPorts() : PresetSlotDialogs (false) {}
};
} // namespace

TEST_F (PresetSlotDialogs, GetStartsAtSlot1AndReadsIt)
{
    harness.useKeyboard();
    window->openGetPresetWindow();
    juce::WeakReference<GetPresetWindow> dialog (window->getGetPresetWindow());
    ASSERT_NE (dialog, nullptr);
    EXPECT_EQ (dialog->getName(), "Get Preset From Hardware");
    EXPECT_EQ (dialog->getContent().getBounds().getWidth(), 300);
    EXPECT_EQ (dialog->getContent().getBounds().getHeight(), 100);

    ASSERT_TRUE (dispatchUntil ([&] { return dialog->getContent().getSlotComboBox().getText() == "1"; }));
    EXPECT_EQ (dialog->getContent().getSelectedSlot(), 1);

    // Asking again while it is open makes no second dialog.
    window->openGetPresetWindow();
    EXPECT_EQ (window->getGetPresetWindow(), dialog.get());

    click (*dialog, "Get");
    EXPECT_EQ (dialog, nullptr);
    EXPECT_TRUE (dispatchUntil ([&] { return presetName (window->getEngine()) == "Sim Preset 01"; }, 20000))
        << presetName (window->getEngine());
}

TEST_F (PresetSlotDialogs, Slot24IsIndex23)
{
    harness.useKeyboard();
    window->openGetPresetWindow();
    auto* dialog = window->getGetPresetWindow();
    choose (*dialog, 24);
    EXPECT_EQ (dialog->getContent().getSelectedSlot(), 24);

    click (*dialog, "Get");
    EXPECT_TRUE (dispatchUntil ([&] { return presetName (window->getEngine()) == "Sim Preset 24"; }, 20000))
        << presetName (window->getEngine());
}

TEST_F (PresetSlotDialogs, CancelClosesEitherDialogWithoutAskingTheKeyboard)
{
    harness.useKeyboard();
    window->openGetPresetWindow();
    window->openSendPresetWindow();

    click (*window->getGetPresetWindow(), "Cancel");
    click (*window->getSendPresetWindow(), "Cancel");

    EXPECT_EQ (window->getGetPresetWindow(), nullptr);
    EXPECT_EQ (window->getSendPresetWindow(), nullptr);
    EXPECT_EQ (harness.keyboard->getReadRequestCount(), 0);
    EXPECT_EQ (harness.keyboard->getWriteCount(), 0);
    EXPECT_TRUE (harness.alerts.boxes.empty());
}

TEST_F (PresetSlotDialogs, SendStartsEmptyAndSendsToSlot1)
{
    harness.useKeyboard();
    window->openSendPresetWindow();
    auto* dialog = window->getSendPresetWindow();
    ASSERT_NE (dialog, nullptr);
    EXPECT_EQ (dialog->getName(), "Send Preset To Hardware");

    juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
    EXPECT_EQ (dialog->getContent().getSlotComboBox().getSelectedId(), 0);
    EXPECT_EQ (dialog->getContent().getSelectedSlot(), 1);

    click (*dialog, "Send");
    EXPECT_EQ (window->getSendPresetWindow(), nullptr);
    ASSERT_TRUE (harness.keyboard->waitUntilIdle (5000));
    ASSERT_TRUE (dispatchUntil ([&] { return harness.keyboard->getWriteCount() == 465; }));
    EXPECT_EQ (harness.keyboard->getSlotData (0), window->getEngine().getModel().collectData());
}

TEST_F (PresetSlotDialogsWithoutPorts, SendWithoutPortsKeepsTheDialogAndShowsOneMidiError)
{
    window->openSendPresetWindow();
    juce::WeakReference<SendPresetWindow> dialog (window->getSendPresetWindow());

    click (*dialog, "Send");
    ASSERT_NE (dialog, nullptr);
    ASSERT_EQ (harness.alerts.numOpen(), 1);
    EXPECT_EQ (harness.alerts.first().title, "MIDI Error");
    EXPECT_EQ (harness.alerts.first().message, "MIDI Communication Unsuccessful.\r\n"
                                               "Verify MIDI Connection and Device Settings.\r\n"
                                               "Verify no other applications are using the MIDI Port.");

    // Another try while the box is up: still open, still one box.
    click (*dialog, "Send");
    ASSERT_NE (dialog, nullptr);
    EXPECT_EQ (harness.alerts.shownCount, 1);

    // After the box is dismissed a new failure shows a new one.
    harness.alerts.dismissFirst();
    click (*dialog, "Send");
    EXPECT_EQ (harness.alerts.shownCount, 2);

    click (*dialog, "Cancel");
    EXPECT_EQ (dialog, nullptr);
}

TEST_F (PresetSlotDialogsWithoutPorts, EachWindowHasItsOwnMidiErrorBox)
{
    harness.invoke (CommandIds::newWindowCommand);
    auto* second = harness.windows().getWindow (1);

    window->midiCommunicationFailed ({});
    second->midiCommunicationFailed ({});
    window->midiCommunicationFailed ({});
    EXPECT_EQ (harness.alerts.shownCount, 2);
}

TEST_F (PresetSlotDialogsWithoutPorts, SyncWithoutPortsShowsTheMidiError)
{
    window->toFront (true);
    ASSERT_TRUE (dispatchUntil ([&] { return window->isActiveWindow(); }));
    harness.invoke (CommandIds::setExternalSyncCommand);
    EXPECT_EQ (harness.alerts.shownCount, 1);

    juce::ApplicationCommandTarget::InvocationInfo info (CommandIds::setInternalSyncCommand);
    window->perform (info);
    EXPECT_EQ (harness.alerts.shownCount, 1);
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
