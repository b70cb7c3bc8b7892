// Twenty editor windows opened and closed through the application's commands while their gets,
// slot dialogs, alerts and the application's own windows are still in flight. Under
// AddressSanitizer, a call into a closed window or a leak fails the suite.
#include "app/AppTestSupport.h"

#include <gtest/gtest.h>

using namespace AppTestSupport;

namespace
{
/** What each window has going on when it is closed. */
enum class InFlight
{
    getRunning,  // started from the get dialog
    dialogsOpen, // the get and send dialogs up, nothing confirmed
    midiAlert,   // a send the keyboard could not take, its alert and dialog still up
    fileAlert,   // a file that could not be read, its alert still up
    appWindows   // device setup and about open above it
};

constexpr int numKinds = 5;

/** Picks the slot in an open get or send dialog and confirms it. */
template <typename Dialog>
void confirmSlot (Dialog* dialog, int slot, const juce::String& button)
{
    ASSERT_NE (dialog, nullptr);
    dialog->getContent().getSlotComboBox().setSelectedId (slot, juce::sendNotificationSync);
    ASSERT_TRUE (clickButton (*dialog, button));
}

struct Files
{
    Files()
    {
        auto bytes = ModelConstants::qx61DefaultPreset();
        bytes.set (PresetLayout::messageOffset (20), 200); // kept from a file, but MIDI cannot carry it
        unsendable = folder.fileWith ("unsendable.qx6", bytes);
    }

    TempFolder folder;
    juce::File missing = folder.file ("missing.qx6");
    juce::File unsendable;
};

void setUp (ShellHarness& harness, EditorWindow& window, InFlight kind, int index, const Files& files)
{
    switch (kind)
    {
        case InFlight::getRunning:
            window.openGetPresetWindow();
            confirmSlot (window.getGetPresetWindow(), 1 + index % SimulatedKeyboard::numSlots, "Get");
            break;

        case InFlight::dialogsOpen:
            window.openGetPresetWindow();
            window.openSendPresetWindow();
            break;

        case InFlight::midiAlert:
            ASSERT_TRUE (window.openPresetFile (files.unsendable));
            window.openSendPresetWindow();
            confirmSlot (window.getSendPresetWindow(), 2, "Send");
            break;

        case InFlight::fileAlert: window.openPresetFile (files.missing); break;

        case InFlight::appWindows:
            harness.invoke (CommandIds::deviceSetupCommand);
            harness.invoke (CommandIds::aboutCommand);
            break;
    }
}
} // namespace

TEST (ShellSoak, TwentyWindowsClosedWithGetsDialogsAndAlertsInFlight)
{
    ShellHarness harness (true);
    harness.useKeyboard();
    harness.keyboard->setReplyBehaviour ({ 1, 3 });
    harness.shell->start ({});
    harness.windows().getWindow (0)->closeWindow();
    const Files files;

    std::vector<QXEditorEngine::Ptr> engines;
    int alertsExpected = 0;

    for (int i = 0; i < 20; ++i)
    {
        harness.invoke (CommandIds::newWindowCommand);
        auto* window = harness.windows().getWindow (harness.windows().getNumWindows() - 1);
        ASSERT_NE (window, nullptr);
        window->getEngine().setTiming ({ 1, 1, 2000, 3 });
        engines.emplace_back (&window->getEngine());

        const auto kind = static_cast<InFlight> (i % numKinds);
        setUp (harness, *window, kind, i, files);
        alertsExpected += (kind == InFlight::midiAlert || kind == InFlight::fileAlert) ? 1 : 0;

        if (i % 2 == 1)
            dispatchUntil ([] { return false; }, 5);

        // Every third round closes the oldest window, the others pile up to be closed at the end.
        if (i % 3 == 2)
            harness.windows().getWindow (0)->closeWindow();
    }

    while (harness.windows().getNumWindows() > 0)
        harness.windows().getWindow (harness.windows().getNumWindows() - 1)->closeWindow();

    for (auto& engine : engines)
        EXPECT_EQ (engine->getReferenceCount(), 1) << "a closed window still holds its engine";

    // Gets still running finish against models with no window left, then leave the manager.
    for (auto& engine : engines)
        ASSERT_TRUE (dispatchUntil ([&] { return ! engine->isGetRunning(); }, 30000));

    engines.clear();
    EXPECT_EQ (harness.midiManager->getNumListeners(), 0);

    // The alerts outlive their windows; answering them must not reach into a closed one.
    EXPECT_EQ (harness.alerts.numOpen(), alertsExpected);
    while (harness.alerts.numOpen() > 0)
        harness.alerts.dismissFirst();

    harness.shell->closeAuxiliaryWindows();
    ASSERT_TRUE (harness.keyboard->waitUntilIdle (10000));
    dispatchUntil ([] { return false; }, 100);
}
