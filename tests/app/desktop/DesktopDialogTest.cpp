#include "app/AppTestSupport.h"
#include "app/alerts/MessageAlertWindow.h"
#include "app/desktop/DesktopWindowHints.h"

#include <gtest/gtest.h>

using namespace AppTestSupport;
using namespace CommandIds;

namespace
{
/** A shell with the simulated keyboard in use and a second input port to choose. */
struct DesktopDialogs : public ::testing::Test
{
    DesktopDialogs()
    {
        harness.ports->plugIn (std::make_shared<VirtualMidiInput> ("Other"));
        harness.useKeyboard();
        window = harness.start();
        window->getEngine().setTiming ({ 1, 1, 2000, 9 });
    }

    static juce::Component* choose (PresetSlotWindow* dialog, int slot = 3)
    {
        dialog->getContent().getSlotComboBox().setSelectedId (slot, juce::sendNotificationSync);
        return dialog;
    }

    /** The key as the desktop delivers it to the window with the focus. */
    static void press (juce::Component& dialog, const juce::KeyPress& key) { dialog.getPeer()->handleKeyPress (key); }

    ShellHarness harness { true };
    EditorWindow* window = nullptr;

    /** Each dialog opened with slot 3 or the port "Other" chosen, and whether its confirmation
        happened: a read or a write began, or the port changed. */
    const struct Dialog
    {
        const char* name;
        std::function<juce::Component*()> open;
        std::function<bool()> confirmed;
    } dialogs[4] = {
        { "get",
          [this] {
              window->openGetPresetWindow();
              return choose (window->getGetPresetWindow());
          },
          [this] { return window->getEngine().isGetRunning() || harness.keyboard->getReadRequestCount() > 0; } },
        // A send waits its turn behind a get still running.
        { "send",
          [this] {
              window->openSendPresetWindow();
              return choose (window->getSendPresetWindow());
          },
          [this] { return window->getEngine().isTransferRunning() || harness.keyboard->getWriteCount() > 0; } },
        { "device setup",
          [this] {
              harness.invoke (deviceSetupCommand);
              harness.shell->getDeviceManagerWindow()->getContent().selectInputDevice ("Other");
              return harness.shell->getDeviceManagerWindow();
          },
          [this] { return harness.midiManager->getInputDeviceName() == "Other"; } },
        { "about",
          [this] {
              harness.invoke (aboutCommand);
              return harness.shell->getAboutWindow();
          },
          [] { return false; } },
    };
};
} // namespace

TEST_F (DesktopDialogs, CloseButtonEscapeAndAltF4CancelEveryDialog)
{
    const std::pair<const char*, std::function<void (juce::Component&)>> ways[] = {
        { "close button", [] (juce::Component& d) { d.userTriedToCloseWindow(); } },
        { "Escape", [] (juce::Component& d) { press (d, juce::KeyPress (juce::KeyPress::escapeKey)); } },
        { "Alt+F4",
          [] (juce::Component& d) {
              press (d, juce::KeyPress (juce::KeyPress::F4Key, juce::ModifierKeys::altModifier, 0));
          } },
    };

    for (const auto& d : dialogs)
        for (const auto& [way, act] : ways)
        {
            SCOPED_TRACE (std::string (d.name) + ", " + way);
            juce::Component::SafePointer<juce::Component> dialog (d.open());
            ASSERT_NE (dialog, nullptr);
            act (*dialog);
            EXPECT_TRUE (dispatchUntil ([&] { return dialog == nullptr; }));
            EXPECT_FALSE (d.confirmed());
        }
}

TEST_F (DesktopDialogs, DialogsOpenWithTheFocusOnTheirBoxAndReturnPressesTheFirstButton)
{
    for (const auto& d : dialogs)
    {
        SCOPED_TRACE (d.name);
        juce::Component::SafePointer<juce::Component> dialog (d.open());
        auto* focused = juce::Component::getCurrentlyFocusedComponent();
        ASSERT_NE (focused, nullptr);

        if (auto* slotDialog = dynamic_cast<PresetSlotWindow*> (dialog.getComponent()))
            EXPECT_EQ (focused, &slotDialog->getContent().getSlotComboBox());
        else if (auto* setup = dynamic_cast<DeviceManagerWindow*> (dialog.getComponent()))
            EXPECT_TRUE (focused == &setup->getContent().getInputList()
                         || setup->getContent().getInputList().isParentOf (focused));
        else
            EXPECT_EQ (focused, dialog.getComponent());

        press (*dialog, juce::KeyPress (juce::KeyPress::returnKey));
        EXPECT_TRUE (dispatchUntil ([&] { return dialog == nullptr; }));
        EXPECT_EQ (d.confirmed(), juce::String (d.name) != "about");
    }
}

// The first window's dialog is checked end to end.
TEST_F (DesktopDialogs, ASecondWindowsDialogSitsOverItAndBelongsToIt)
{
    harness.invoke (newWindowCommand);
    auto* second = harness.windows().getWindow (1);
    second->setTopLeftPosition (400, 300);
    second->openGetPresetWindow();
    auto* dialog = second->getGetPresetWindow();
    EXPECT_LE (dialog->getScreenBounds().getCentre().getDistanceFrom (second->getScreenBounds().getCentre()), 1);
    EXPECT_EQ (DesktopWindowHints::getTransientFor (*dialog),
               (juce::uint64) (juce::pointer_sized_uint) second->getPeer()->getNativeHandle());
}

TEST_F (DesktopDialogs, CancelAsksNothingGetStartsAtSlot1SendWritesSlot1)
{
    // Get starts at slot 1; asking again while it is open makes no second dialog.
    window->openGetPresetWindow();
    window->openSendPresetWindow();
    auto* get = window->getGetPresetWindow();
    ASSERT_TRUE (dispatchUntil ([&] { return get->getContent().getSlotComboBox().getText() == "1"; }));
    EXPECT_EQ (get->getContent().getSelectedSlot(), 1);
    window->openGetPresetWindow();
    EXPECT_EQ (window->getGetPresetWindow(), get);

    ASSERT_TRUE (clickButton (*get, "Cancel"));
    ASSERT_TRUE (clickButton (*window->getSendPresetWindow(), "Cancel"));
    EXPECT_EQ (window->getGetPresetWindow(), nullptr);
    EXPECT_EQ (window->getSendPresetWindow(), nullptr);
    EXPECT_EQ (harness.keyboard->getReadRequestCount() + harness.keyboard->getWriteCount(), 0);

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

TEST (DesktopDialogsWithoutPorts, EachWindowShowsOneMidiErrorAtATimeItsLinesUnbroken)
{
    ShellHarness harness;
    auto* window = harness.start();
    window->openSendPresetWindow();
    juce::WeakReference<SendPresetWindow> dialog (window->getSendPresetWindow());

    // Send keeps the dialog open.
    ASSERT_TRUE (clickButton (*dialog, "Send"));
    ASSERT_NE (dialog, nullptr);
    EXPECT_EQ (harness.alerts.only(), "MIDI Error: MIDI Communication Unsuccessful.\r\n"
                                      "Verify MIDI Connection and Device Settings.\r\n"
                                      "Verify no other applications are using the MIDI Port.");

    // Each of its lines stays one line in the alert window.
    const MessageAlertWindow alert (harness.alerts.boxes[0].title, harness.alerts.boxes[0].message);
    EXPECT_EQ (alert.getLines().size(), 3);
    EXPECT_EQ (alert.getLines()[2], "Verify no other applications are using the MIDI Port.");
    const auto font = juce::LookAndFeel::getDefaultLookAndFeel().getAlertWindowMessageFont();
    EXPECT_GT ((float) alert.getWidth() * 0.8f, font.getStringWidthFloat (alert.getLines()[2]));

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

    harness.invoke (CommandIds::setInternalSyncCommand);
    EXPECT_EQ (harness.alerts.shownCount, 3);

    // Another window has a box of its own.
    harness.invoke (CommandIds::newWindowCommand);
    harness.windows().getWindow (1)->midiCommunicationFailed ({});
    window->midiCommunicationFailed ({});
    EXPECT_EQ (harness.alerts.shownCount, 4);
}

TEST_F (DesktopDialogs, ClosingTheWindowDeletesItsOpenDialogs)
{
    window->openGetPresetWindow();
    window->openSendPresetWindow();
    juce::WeakReference<GetPresetWindow> getDialog (window->getGetPresetWindow());
    juce::WeakReference<SendPresetWindow> sendDialog (window->getSendPresetWindow());
    QXEditorEngine::Ptr engine (&window->getEngine());

    window->closeWindow();

    EXPECT_EQ (getDialog, nullptr);
    EXPECT_EQ (sendDialog, nullptr);

    // Window, content and dialogs have let go of the engine.
    EXPECT_EQ (engine->getReferenceCount(), 1);
}
