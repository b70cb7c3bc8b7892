#include "app/AppTestSupport.h"
#include "engine/files/PresetFile.h"

#include <gtest/gtest.h>

using namespace AppTestSupport;

namespace
{
/** Drops every reply while the get of one slot runs: that slot's get fails, the others do not. */
struct FailOneSlot : QXEditorEngine::Listener
{
    FailOneSlot (SimulatedKeyboard& k, int s) : keyboard (k), slot (s) {}
    void midiCommunicationFailed (const juce::String&) override {}
    void presetFileFailed (const juce::String&) override {}
    void transferChanged (const TransferStatus& status) override
    {
        keyboard.setReplyBehaviour ({ 0, 0, status.slot == slot && ! status.isFinished() ? 1.0 : 0.0 });
    }

    SimulatedKeyboard& keyboard;
    int slot;
};
} // namespace

// A failed get writes no file and the end says so; a folder with one bad file sends nothing; a
// good folder restores every slot after the one question.
TEST (KeyboardSlots, BackUpAllSkipsAFailedSlotAndRestoreAllChecksEveryFileFirst)
{
    ShellHarness harness (true);
    harness.useKeyboard();
    harness.start();
    harness.shell->showKeyboardSlotsWindow();
    auto& slots = harness.shell->getKeyboardSlotsWindow()->getContent();
    slots.getEngine().setTiming ({ 1, 1, 300, 2, 0 });
    FailOneSlot failing (*harness.keyboard, 6);
    slots.getEngine().addListener (&failing);
    TempFolder temp;
    const auto folder = temp.file ("backup");
    const auto slotFile = [&] (int n) { return PresetFile::forSlot (folder, n); };
    const auto run = [&] (const char* caption) { // answers the chooser; the alert at the end
        harness.chooser.answers = { folder };
        EXPECT_TRUE (clickButton (slots, juce::String (juce::CharPointer_UTF8 (caption))));
        EXPECT_TRUE (MidiTestSupport::dispatchUntil ([&] { return harness.alerts.numOpen() > 0; }, 120000));
        const auto shown = harness.alerts.only();
        harness.alerts.dismissFirst();
        return shown;
    };

    EXPECT_EQ (run ("Back Up All\xe2\x80\xa6"),
               "Keyboard Slots: Wrote 23 of 24 slots to " + folder.getFullPathName()
                   + "; slot 7 could not be read: no complete answer from the keyboard.");
    slots.getEngine().removeListener (&failing);
    harness.keyboard->setReplyBehaviour ({});

    for (int n = 1; n <= 24; ++n)
        EXPECT_EQ (slotFile (n).getSize(), n == 7 ? 0 : slots.getEngine().getPresetLength()) << n;

    // Slot 7 from slot 6's file; slot 20's last data byte above what MIDI carries.
    slotFile (6).copyFileTo (slotFile (7));
    auto bad = PresetFile (slotFile (20)).load (slots.getEngine().getPresetLength()).value();
    bad.set (bad.size() - 2, 200);
    temp.fileWith ("backup/slot-20.qx6", bad);
    EXPECT_TRUE (run ("Restore All\xe2\x80\xa6").contains ("slot-20.qx6: "));
    EXPECT_EQ (juce::Component::getCurrentlyModalComponent(), nullptr);
    EXPECT_EQ (harness.keyboard->getWriteCount(), 0);

    slotFile (6).copyFileTo (slotFile (20));
    harness.chooser.answers = { folder };
    ASSERT_TRUE (clickButton (slots, juce::String (juce::CharPointer_UTF8 ("Restore All\xe2\x80\xa6"))));
    auto* question = dynamic_cast<juce::AlertWindow*> (juce::Component::getCurrentlyModalComponent());
    ASSERT_NE (question, nullptr);
    EXPECT_EQ (question->getName(), "Keyboard Slots");
    question->exitModalState (1);
    ASSERT_TRUE (MidiTestSupport::dispatchUntil ([&] { return harness.alerts.numOpen() > 0; }, 120000));
    EXPECT_EQ (harness.alerts.only(), "Keyboard Slots: Restored all 24 slots from " + folder.getFullPathName() + ".");
    EXPECT_EQ (harness.keyboard->getSlotData (19), harness.keyboard->getSlotData (5));
}
