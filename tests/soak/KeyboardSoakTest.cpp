// Long runs and faults against the simulated keyboard: uneven and lost replies, the keyboard
// unplugged in the middle of a transfer, engines dropped while their get is in flight.
#include "engine/EngineTestSupport.h"
#include "engine/MidiTestSupport.h"
#include "engine/simulator/SimulatedKeyboard.h"

#include <gtest/gtest.h>

#include <functional>
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

TEST_F (KeyboardSoakTest, TwoEnginesGettingDifferentSlotsAtOnceEachApplyTheirOwn)
{
    keyboard.setRandomSeed (77);
    keyboard.setReplyBehaviour ({ 1, 3, 0.01, 0.05 });
    auto other = constants.makeEngine (link);
    FailureRecorder otherFailures;
    other->addListener (&otherFailures);

    for (int round = 0; round < 5; ++round)
    {
        const auto mine = static_cast<juce::uint8> (round), theirs = static_cast<juce::uint8> (round + 10);

        for (auto* e : { engine.get(), other.get() })
            e->setTiming ({ 1, 1, 300, 9, 30 });

        engine->startGet (mine);
        other->startGet (theirs);
        EXPECT_EQ (otherFailures.last().state, TransferStatus::State::waiting)
            << "the second get did not wait its turn";

        ASSERT_TRUE (finishGet() && finishTransfers (*other));
        EXPECT_EQ (modelData(), slotData (mine)) << "round " << round;
        EXPECT_EQ (other->getModel().collectData(), slotData (theirs)) << "round " << round;
    }

    EXPECT_TRUE (failures.midiFailures.isEmpty());
    EXPECT_TRUE (otherFailures.midiFailures.isEmpty());
    other->removeListener (&otherFailures);
}
