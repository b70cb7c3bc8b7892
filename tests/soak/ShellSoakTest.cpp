// Twenty editor windows closed through the application's commands while their gets, slot dialogs,
// alerts and the application's own windows are still in flight. Under AddressSanitizer, a call into
// a closed window or a leak fails the suite.
#include "app/AppTestSupport.h"

#include <gtest/gtest.h>

using namespace AppTestSupport;

namespace
{
template <typename Dialog>
void confirmSlot (Dialog* dialog, int slot, const juce::String& button)
{
    ASSERT_NE (dialog, nullptr);
    dialog->getContent().getSlotComboBox().setSelectedId (slot, juce::sendNotificationSync);
    ASSERT_TRUE (clickButton (*dialog, button));
}
} // namespace

TEST (ShellSoak, TwentyWindowsClosedWithGetsDialogsAndAlertsInFlight)
{
    ShellHarness harness (true);
    harness.useKeyboard();
    harness.keyboard->setReplyBehaviour ({ 1, 3 });
    harness.shell->start ({});
    harness.windows().getWindow (0)->closeWindow();

    TempFolder folder;
    auto bytes = ModelConstants::qx61DefaultPreset();
    bytes.set (PresetLayout::messageOffset (20), 200); // kept from a file, but MIDI cannot carry it
    const auto unsendable = folder.fileWith ("unsendable.qx6", bytes);

    // What each window has going on when it is closed; two of them leave an alert up.
    const std::function<void (EditorWindow&, int)> inFlight[] = {
        [&] (EditorWindow& w, int i) {
            w.openGetPresetWindow();
            confirmSlot (w.getGetPresetWindow(), 1 + i % SimulatedKeyboard::numSlots, "Get");
        },
        [&] (EditorWindow& w, int) {
            w.openGetPresetWindow();
            w.openSendPresetWindow();
        },
        [&] (EditorWindow& w, int) {
            ASSERT_TRUE (w.openPresetFile (unsendable));
            w.openSendPresetWindow();
            confirmSlot (w.getSendPresetWindow(), 2, "Send");
        },
        [&] (EditorWindow& w, int) { w.openPresetFile (folder.file ("missing.qx6")); },
        [&] (EditorWindow&, int) {
            harness.invoke (CommandIds::deviceSetupCommand);
            harness.invoke (CommandIds::aboutCommand);
        },
    };

    std::vector<QXEditorEngine::Ptr> engines;

    for (int i = 0; i < 20; ++i)
    {
        harness.invoke (CommandIds::newWindowCommand);
        auto* window = harness.windows().getWindow (harness.windows().getNumWindows() - 1);
        ASSERT_NE (window, nullptr);
        window->getEngine().setTiming ({ 1, 1, 2000, 3 });
        engines.emplace_back (&window->getEngine());
        inFlight[i % 5](*window, i);

        if (i % 2 == 1)
            dispatchUntil ([] { return false; }, 5);

        // Every third round closes the oldest window, the others pile up to be closed at the end.
        if (i % 3 == 2)
            harness.windows().getWindow (0)->closeWindow();
    }

    while (harness.windows().getNumWindows() > 0)
        harness.windows().getWindow (harness.windows().getNumWindows() - 1)->closeWindow();

    for (auto& engine : engines)
    {
        EXPECT_EQ (engine->getReferenceCount(), 1) << "a closed window still holds its engine";
        ASSERT_TRUE (dispatchUntil ([&] { return ! engine->isGetRunning(); }, 30000));
    }

    engines.clear();
    EXPECT_EQ (harness.midiManager->getNumListeners(), 0);

    // The alerts outlive their windows; answering them must not reach into a closed one.
    EXPECT_EQ (harness.alerts.numOpen(), 8);
    while (harness.alerts.numOpen() > 0)
        harness.alerts.dismissFirst();

    harness.shell->closeAuxiliaryWindows();
    ASSERT_TRUE (harness.keyboard->waitUntilIdle (10000));
    dispatchUntil ([] { return false; }, 100);
}
