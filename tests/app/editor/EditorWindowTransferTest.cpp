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
        window->getEngine().setTiming ({ 1, 2, 300, 9, 20 });
    }

    TransferStatusStrip& strip() const { return window->getTransferStatus(); }
    int sentCount() const { return harness.keyboard->getReadRequestCount() + harness.keyboard->getWriteCount(); }
    bool progressed (int count)
    {
        return dispatchUntil ([&] { return sentCount() > count; });
    }
    bool finished()
    {
        return dispatchUntil ([&] { return ! window->getEngine().isTransferRunning(); }, 20000);
    }

    /** Nothing more goes out once the transfer has been stopped. */
    void expectSilence()
    {
        const auto atStop = sentCount();
        juce::MessageManager::getInstance()->runDispatchLoopUntil (200);
        EXPECT_EQ (sentCount(), atStop);
    }

    ShellHarness harness { true };
    EditorWindow* window = harness.start();
};
} // namespace

TEST_F (EditorWindowTransfers, TheStripShowsProgressThenABriefMessageAndCancels)
{
    const juce::String dash (juce::CharPointer_UTF8 (" \xe2\x80\x94 "));
    auto& engine = window->getEngine();
    EXPECT_FALSE (strip().isVisible());

    struct Case
    {
        std::function<void()> start;
        juce::String running, done;
    };

    const Case cases[] = {
        { [&] { engine.startGet (2); }, "Reading slot 3" + dash, "Preset read from slot 3" },
        { [&] { engine.sendPreset (4); }, "Writing slot 5" + dash, "Preset sent to slot 5" },
        { [&] { engine.setSync (true); }, "", "Sync set to external" },
    };

    for (const auto& c : cases)
    {
        c.start();

        // What the strip shows while the transfer runs; a slow machine may show a retry too.
        juce::StringArray shown;
        const auto watch = [&] {
            if (strip().isVisible() && strip().getCancelButton().isVisible())
                shown.addIfNotAlreadyThere (strip().getText().upToLastOccurrenceOf (dash, true, false));

            return ! window->getEngine().isTransferRunning();
        };

        ASSERT_TRUE (dispatchUntil (watch, 20000));

        EXPECT_TRUE (c.running.isEmpty() || shown.contains (c.running)) << shown.joinIntoString (" | ");
        EXPECT_EQ (strip().getText(), c.done);
        EXPECT_FALSE (strip().getCancelButton().isVisible());
    }

    // Cancel stops a send and says the slot may be partly written.
    const auto writesBefore = harness.keyboard->getWriteCount();
    ASSERT_TRUE (window->getEngine().sendPreset (4));
    ASSERT_TRUE (progressed (sentCount() + 50));
    ASSERT_TRUE (dispatchUntil ([&] { return strip().getCancelButton().isVisible(); }));
    strip().getCancelButton().triggerClick();

    ASSERT_TRUE (finished());
    expectSilence();
    EXPECT_LT (harness.keyboard->getWriteCount() - writesBefore, 465);
    EXPECT_EQ (strip().getText(), "Send cancelled: slot 5 may be partly written");
    EXPECT_EQ (harness.alerts.numOpen(), 0);
}

TEST_F (EditorWindowTransfers, ASilentKeyboardOrAValueAboveMidiEndInTheirAlerts)
{
    harness.keyboard->setReplyBehaviour ({ 0, 0, 1.0 });
    window->getEngine().setTiming ({ 0, 0, 100, 3, 0 });
    window->getEngine().startGet (0);

    // A loaded machine may not show the window between two attempts: any later attempt will do.
    ASSERT_TRUE (dispatchUntil ([&] {
        return strip().getAttemptText().matchesWildcard ("Attempt ? of 3", false)
               && ! strip().getAttemptText().startsWith ("Attempt 1");
    }));
    ASSERT_TRUE (finished());
    EXPECT_TRUE (harness.alerts.only().startsWith ("MIDI Error: "));
    EXPECT_FALSE (strip().isVisible());
    harness.alerts.dismissFirst();

    // A value above MIDI is refused with an alert of its own naming it.
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
    struct Case
    {
        bool send, quitting;
        std::deque<bool> stop;
    };

    for (const auto& c :
         { Case { true, false, { true } }, Case { true, false, { false } }, Case { true, true, { true } },
           Case { true, true, { false } }, Case { false, false, {} }, Case { false, true, {} } })
    {
        SCOPED_TRACE (juce::String (c.send ? "send " : "get ") + (c.quitting ? "quit " : "close ")
                      + (c.stop.empty()   ? ""
                         : c.stop.front() ? "Stop"
                                          : "Keep Sending"));
        ShellHarness harness (true);
        harness.useKeyboard();
        auto& engine = harness.start()->getEngine();
        engine.setTiming ({ 1, 2, 300, 9, 20 });
        const auto sent = [&] { return harness.keyboard->getReadRequestCount() + harness.keyboard->getWriteCount(); };
        const auto keepsSending = c.send && ! c.stop.front();
        harness.stopSend.answers = c.stop;

        c.send ? (void) engine.sendPreset (4) : engine.startGet (1);
        ASSERT_TRUE (dispatchUntil ([&] { return sent() > 50; }));
        harness.invoke (c.quitting ? CommandIds::quitCommand : CommandIds::closeWindowCommand);

        EXPECT_EQ (harness.stopSend.questions,
                   c.send ? juce::StringArray { "Slot 5 is being written. Stop now and leave it partly written?" }
                          : juce::StringArray());
        const auto gone = [&] {
            return c.quitting ? harness.quitRequests == 1 : harness.windows().getNumWindows() == 0;
        };
        EXPECT_EQ (gone(), ! keepsSending);

        // Kept sending, the window goes once the slot holds all of it; stopped, nothing more goes out.
        ASSERT_TRUE (dispatchUntil (gone, 20000));
        const auto atStop = sent();
        juce::MessageManager::getInstance()->runDispatchLoopUntil (200);
        EXPECT_EQ (sent(), atStop);
        EXPECT_EQ (harness.keyboard->getWriteCount() == 465, keepsSending);
        EXPECT_EQ (harness.alerts.numOpen(), 0);
    }
}
