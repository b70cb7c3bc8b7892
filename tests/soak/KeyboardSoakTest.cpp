#include "engine/EngineTestSupport.h"
#include "engine/MidiTestSupport.h"
#include "engine/simulator/SimulatedKeyboard.h"

#include <gtest/gtest.h>

using namespace EngineTestSupport;
using namespace MidiTestSupport;

namespace
{
struct KeyboardSoakTest : public ::testing::Test, public KeyboardRig
{
    KeyboardSoakTest()
    {
        for (int slot = 0; slot < SimulatedKeyboard::numSlots; ++slot)
            keyboard.setSlotData (slot, slotData (slot));
    }

    bool finishGet() { return finishTransfers (*engine); }
};
} // namespace

// Replies carry no slot, and 5 % of them are held back past the attempt's timeout, so they reach
// whatever get runs next. Gets queued behind another window's, and gets started over a cancelled
// one, each apply exactly their slot or report the failure: no wrong byte is ever applied.
TEST_F (KeyboardSoakTest, StrayRepliesOfAnEarlierGetNeverFillAnotherSlot)
{
    keyboard.setRandomSeed (77);
    keyboard.setReplyBehaviour ({ 0, 1, 0.0, 0.0, 0.05, 100 });
    auto other = constants.makeEngine (link);
    FailureRecorder otherFailures;
    other->addListener (&otherFailures);

    for (auto* e : { engine.get(), other.get() })
        e->setTiming ({ 0, 0, 40, 9, 10 });

    struct Tally
    {
        int applied = 0, failed = 0, wrongBytes = 0;
    } tallies[3]; // first, queued, after a cancel

    // Call before the get finishes; returns what to call once it has.
    const auto watch = [this] (QXEditorEngine& e, FailureRecorder& f, int slot, Tally& tally) {
        return [this, &e, &f, slot, &tally, before = e.getModel().collectData(), failed = f.midiFailures.size()] {
            const auto got = f.midiFailures.size() > failed;
            const auto expected = got ? before : slotData (slot), after = e.getModel().collectData();
            ++(got ? tally.failed : tally.applied);

            for (int i = 0; i < expected.size(); ++i)
                tally.wrongBytes += after[i] != expected[i] ? 1 : 0;
        };
    };

    for (int round = 0; round < 50; ++round)
    {
        const auto mine = round % 24, theirs = (round + 5) % 24;
        auto checkMine = watch (*engine, failures, mine, tallies[0]),
             checkTheirs = watch (*other, otherFailures, theirs, tallies[1]);
        engine->startGet (static_cast<juce::uint8> (mine));
        other->startGet (static_cast<juce::uint8> (theirs));
        EXPECT_EQ (otherFailures.last().state, TransferStatus::State::waiting);
        ASSERT_TRUE (finishGet() && finishTransfers (*other));
        checkMine();
        checkTheirs();
    }

    for (int cycle = 0; cycle < 50; ++cycle)
    {
        const auto target = (cycle + 6) % 24;
        engine->startGet (static_cast<juce::uint8> (cycle % 24));
        ASSERT_TRUE (
            waitUntil ([&, start = keyboard.getRepliesSent()] { return keyboard.getRepliesSent() - start > 50; }));
        auto check = watch (*engine, failures, target, tallies[2]);
        engine->startGet (static_cast<juce::uint8> (target));
        ASSERT_TRUE (finishGet());
        check();
    }

    for (const auto& tally : tallies)
    {
        EXPECT_EQ (tally.wrongBytes, 0) << &tally - tallies;
        EXPECT_EQ (tally.applied + tally.failed, 50) << &tally - tallies;
    }

    other->removeListener (&otherFailures);
}
