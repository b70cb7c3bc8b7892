// Long runs and faults against the simulated keyboard: uneven and lost replies, the keyboard
// unplugged in the middle of a transfer, engines dropped while their get is in flight.
#include "engine/EngineTestSupport.h"
#include "engine/MidiTestSupport.h"
#include "engine/simulator/SimulatedKeyboard.h"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <thread>

using namespace EngineTestSupport;
using namespace MidiTestSupport;

namespace
{
/** Runs an action on a thread of its own once a condition holds, while the message thread is
    blocked in a transfer. */
struct ActionWhen
{
    ActionWhen (std::function<bool()> condition, std::function<void()> action)
        : thread ([this, condition, action] {
              while (! stop && ! condition())
                  juce::Thread::sleep (1);

              if (! stop)
              {
                  action();
                  acted = true;
              }
          })
    {
    }

    ~ActionWhen()
    {
        stop = true;
        thread.join();
    }

    std::atomic<bool> stop { false }, acted { false };
    std::thread thread; // last, so the flags exist before it starts
};

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

TEST_F (KeyboardSoakTest, FiftyGetsWithJitterAndLostRepliesApplyWholePresetsOrReportTheFailure)
{
    engine->setTiming ({ 0, 0, 150, 9, 30 });
    keyboard.setRandomSeed (1234);
    keyboard.setReplyBehaviour ({ 0, 2, 0.01 });

    int applied = 0, reported = 0;

    for (int get = 0; get < 50; ++get)
    {
        const auto slot = static_cast<juce::uint8> (get % SimulatedKeyboard::numSlots);
        const auto before = modelData();
        const auto failuresBefore = failures.midiFailures.size();

        engine->startGet (slot);
        ASSERT_TRUE (finishGet()) << "get " << get;

        if (failures.midiFailures.size() > failuresBefore)
        {
            EXPECT_EQ (failures.midiFailures.size(), failuresBefore + 1) << "get " << get;
            EXPECT_EQ (modelData(), before) << "a failed get changed the model, get " << get;
            ++reported;
        }
        else
        {
            EXPECT_EQ (modelData(), slotData (slot)) << "get " << get;
            ++applied;
        }
    }

    EXPECT_EQ (applied + reported, 50);
    EXPECT_GE (applied, 49);
    RecordProperty ("applied", applied);
    RecordProperty ("reported", reported);
}

TEST_F (KeyboardSoakTest, UnpluggedDuringAGetOrASendTheFailureIsReportedAndTheNextGetSucceeds)
{
    engine->setTiming ({ 1, 1, 200, 3 });

    for (const bool sending : { false, true })
    {
        SCOPED_TRACE (sending ? "send" : "get");
        engine->applyPreset (constants.messageAround (constants.distinctData()));
        failures.midiFailures.clear();

        {
            const auto sentCount = [this, sending] {
                return sending ? keyboard.getWriteCount() : keyboard.getReadRequestCount();
            };
            ActionWhen unplug ([sentCount, start = sentCount()] { return sentCount() - start >= 100; },
                               [this] { keyboard.unplug(); });

            if (sending)
                ASSERT_TRUE (engine->sendPreset (6));
            else
                engine->startGet (4);

            ASSERT_TRUE (finishGet());
            EXPECT_TRUE (unplug.acted);
        }

        ASSERT_EQ (failures.midiFailures.size(), 1) << "a transfer that lost most of its bytes was reported as done";
        EXPECT_EQ (failures.midiFailures[0].contains ("may be partly written"), sending);
        if (sending)
            EXPECT_NE (keyboard.getSlotData (6), constants.distinctData());
        else
            EXPECT_EQ (modelData(), constants.distinctData());

        keyboard.replug();
        midiManager.checkDevices();
        engine->startGet (7);
        ASSERT_TRUE (finishGet());
        EXPECT_EQ (failures.midiFailures.size(), 1);
        EXPECT_EQ (modelData(), slotData (7));
    }

    ASSERT_TRUE (engine->sendPreset (6));
    ASSERT_TRUE (finishGet());
    EXPECT_EQ (keyboard.getSlotData (6), slotData (7));
}

TEST_F (KeyboardSoakTest, EnginesDroppedWithTheirGetInFlightAreNeverCalledAgain)
{
    keyboard.setReplyBehaviour ({ 0, 3 });

    for (int window = 0; window < 20; ++window)
    {
        auto other = constants.makeEngine (link);
        FailureRecorder otherFailures;
        other->addListener (&otherFailures);
        other->setTiming ({ 0, 0, 200, 2 });

        const auto repliesBefore = keyboard.getRepliesSent();
        other->startGet (static_cast<juce::uint8> (window % SimulatedKeyboard::numSlots));
        EXPECT_TRUE (other->isGetRunning());

        // Replies are still arriving on the keyboard's thread while the last reference goes.
        if (window % 2 == 0)
            dispatchUntil ([&] { return keyboard.getRepliesSent() - repliesBefore > 100; }, 2000);

        other->removeListener (&otherFailures);
        other = nullptr;
        EXPECT_EQ (midiManager.getNumListeners(), 0);
    }

    ASSERT_TRUE (keyboard.waitUntilIdle (10000));
    dispatchUntil ([] { return false; }, 300);

    keyboard.setReplyBehaviour ({});
    engine->setTiming ({ 0, 0, 2000, 3 });
    engine->startGet (2);
    ASSERT_TRUE (finishGet());
    EXPECT_EQ (modelData(), slotData (2));
    EXPECT_TRUE (failures.midiFailures.isEmpty());
}

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
    } first, queued, afterCancel;

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
        auto checkMine = watch (*engine, failures, mine, first),
             checkTheirs = watch (*other, otherFailures, theirs, queued);
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
        auto check = watch (*engine, failures, target, afterCancel);
        engine->startGet (static_cast<juce::uint8> (target));
        ASSERT_TRUE (finishGet());
        check();
    }

    const std::vector<std::pair<const char*, Tally>> tallies { { "first", first },
                                                               { "queued", queued },
                                                               { "after a cancel", afterCancel } };

    for (const auto& [name, tally] : tallies)
    {
        std::cout << "stray-reply soak, " << name << ": " << tally.applied << " applied, " << tally.failed
                  << " failed, " << tally.wrongBytes << " wrong bytes" << std::endl;
        EXPECT_EQ (tally.wrongBytes, 0) << name;
        EXPECT_EQ (tally.applied + tally.failed, 50) << name;
    }

    other->removeListener (&otherFailures);
}
