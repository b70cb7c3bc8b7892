#include "app/AppTestSupport.h"
#include "app/alerts/MessageAlertWindow.h"

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
    } dialogs[3] = {
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

TEST (DesktopDialogsWithoutPorts, OneMidiErrorShowsAtATimeItsLinesUnbroken)
{
    ShellHarness harness;
    auto* window = harness.start();
    window->openSendPresetWindow();
    juce::WeakReference<SendPresetWindow> dialog (window->getSendPresetWindow());

    ASSERT_TRUE (clickButton (*dialog, "Send"));
    ASSERT_NE (dialog, nullptr);
    EXPECT_EQ (harness.alerts.only(), "MIDI Error: MIDI Communication Unsuccessful.\r\n"
                                      "Verify MIDI Connection and Device Settings.\r\n"
                                      "Verify no other applications are using the MIDI Port.");

    // Each of its lines stays one line in the alert window.
    const MessageAlertWindow alert (harness.alerts.boxes[0].title, harness.alerts.boxes[0].message);
    ASSERT_EQ (alert.getLines().size(), 3);
    const auto font = juce::LookAndFeel::getDefaultLookAndFeel().getAlertWindowMessageFont();
    EXPECT_GT ((float) alert.getWidth() * 0.8f, font.getStringWidthFloat (alert.getLines()[2]));

    // Another try while the box is up shows no second box; after it is dismissed, a new one.
    ASSERT_TRUE (clickButton (*dialog, "Send"));
    EXPECT_EQ (harness.alerts.shownCount, 1);
    harness.alerts.dismissFirst();
    ASSERT_TRUE (clickButton (*dialog, "Send"));
    EXPECT_EQ (harness.alerts.shownCount, 2);

    ASSERT_TRUE (clickButton (*dialog, "Cancel"));
    EXPECT_EQ (dialog, nullptr);
    harness.alerts.dismissFirst();

    // Sync fails alike, one box at a time.
    ASSERT_TRUE (activate (*window));
    harness.invoke (CommandIds::setExternalSyncCommand);
    harness.invoke (CommandIds::setInternalSyncCommand);
    EXPECT_EQ (harness.alerts.shownCount, 3);
}
