#include "app/AppTestSupport.h"

#include <gtest/gtest.h>

using namespace AppTestSupport;

namespace
{
struct EditorWindowTransfers : public ::testing::Test
{
    EditorWindowTransfers()
    {
        harness.useKeyboard();
        engine.setTiming ({ 1, 2, 300, 9, 20 });
    }

    bool finished()
    {
        return dispatchUntil ([&] { return ! engine.isTransferRunning(); }, 20000);
    }

    ShellHarness harness { true };
    EditorWindow* window = harness.start();
    QXEditorEngine& engine = window->getEngine();
    TransferStatusStrip& strip = window->getTransferStatus();
};
} // namespace

TEST_F (EditorWindowTransfers, ASilentKeyboardOrAValueAboveMidiEndInTheirAlerts)
{
    harness.keyboard->setReplyBehaviour ({ 0, 0, 1.0 });
    engine.setTiming ({ 0, 0, 500, 3, 0 }); // long enough for a loaded machine to show a retry
    engine.startGet (0);

    // A loaded machine may not show the window between two attempts: any later attempt will do.
    ASSERT_TRUE (dispatchUntil ([&] {
        return strip.getAttemptText().matchesWildcard ("Attempt ? of 3", false)
               && ! strip.getAttemptText().startsWith ("Attempt 1");
    }));
    ASSERT_TRUE (finished());
    EXPECT_TRUE (harness.alerts.only().startsWith ("MIDI Error: "));
    // Only the default preset's one conflict stays: switch 17 sends CC 64, as the sustain does.
    EXPECT_EQ (strip.getConflictText(), "1 conflict");
    harness.alerts.dismissFirst();

    auto preset = ModelConstants::qx61DefaultPreset();
    preset.set (PresetLayout::messageOffset (ModelConstants::qx61().getLayout().knobOffset (2) + 1), 200);
    TempFolder temp;
    ASSERT_TRUE (window->openPresetFile (temp.fileWith ("high.qx6", preset)));
    window->openSendPresetWindow();
    ASSERT_TRUE (clickButton (*window->getSendPresetWindow(), "Send"));

    EXPECT_EQ (harness.alerts.only(), juce::String (juce::CharPointer_UTF8 (
                                          "Preset Not Sent: Knob 3 \xc2\xb7 CC holds 200; MIDI carries 0\xe2\x80\x93"
                                          "127.")));
    EXPECT_NE (window->getSendPresetWindow(), nullptr);
    EXPECT_EQ (harness.keyboard->getWriteCount(), 0);
}

TEST (EditorWindowTransfersOnClose, ASendIsStoppedOnlyWhenTheUserSaysSoAndAGetSilently)
{
    // sending, quitting (else closing), "Stop" (else "Keep Sending")
    const std::tuple<bool, bool, bool> cases[] = { { true, false, true },   { true, false, false },
                                                   { true, true, true },    { true, true, false },
                                                   { false, false, false }, { false, true, false } };

    for (const auto& [send, quitting, stop] : cases)
    {
        SCOPED_TRACE (testing::Message() << send << quitting << stop);
        ShellHarness h (true);
        h.useKeyboard();
        auto& e = h.start()->getEngine();
        e.setTiming ({ 1, 2, 300, 9, 20 });
        const auto sent = [&] { return h.keyboard->getReadRequestCount() + h.keyboard->getWriteCount(); };
        const auto keepsSending = send && ! stop;
        h.stopSend.answers = { stop };

        send ? (void) e.sendPreset (4) : e.startGet (1);
        ASSERT_TRUE (dispatchUntil ([&] { return sent() > 50; }));
        h.invoke (quitting ? CommandIds::quitCommand : CommandIds::closeWindowCommand);

        EXPECT_EQ (h.stopSend.questions,
                   send ? juce::StringArray { "Slot 5 is being written. Stop now and leave it partly written?" }
                        : juce::StringArray());
        const auto gone = [&, quit = quitting] {
            return quit ? h.quitRequests == 1 : h.windows().getNumWindows() == 0;
        };
        EXPECT_EQ (gone(), ! keepsSending);

        // Kept sending, the window goes once the slot holds all of it; stopped, nothing more goes out.
        ASSERT_TRUE (dispatchUntil (gone, 20000));
        const auto atStop = sent();
        juce::MessageManager::getInstance()->runDispatchLoopUntil (200);
        EXPECT_EQ (sent(), atStop);
        EXPECT_EQ (h.keyboard->getWriteCount() == 465, keepsSending);
        EXPECT_EQ (h.alerts.numOpen(), 0);
    }
}
