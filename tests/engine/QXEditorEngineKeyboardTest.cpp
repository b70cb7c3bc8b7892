#include "engine/EngineTestSupport.h"
#include "engine/MidiTestSupport.h"
#include "engine/midi/MidiLog.h"
#include "engine/midi/virtual/VirtualMidiInput.h"
#include "engine/midi/virtual/VirtualMidiOutput.h"
#include "engine/simulator/SimulatedKeyboard.h"
#include "engine/transfer/Transfer.h"

#include <gtest/gtest.h>

using namespace EngineTestSupport;
using namespace MidiTestSupport;

namespace
{
constexpr int timeoutMs = 500;
constexpr juce::uint8 slot = 3;

struct QXEditorEngineKeyboardTest : public ::testing::Test, public KeyboardRig
{
    QXEditorEngineKeyboardTest()
    {
        engine->setTiming ({ 0, 0, timeoutMs, 9 });
        keyboard.setSlotData (slot, slotData (slot));
    }

    /** Lets any stray timer or completion run. */
    void settle()
    {
        dispatchUntil ([] { return false; }, 3 * timeoutMs);
    }
};
} // namespace

TEST_F (QXEditorEngineKeyboardTest, AGetAppliesEveryControlOnceOrEndsAfterNineSilentAttemptsWithOneFailure)
{
    engine->startGet (25);
    EXPECT_FALSE (engine->isTransferRunning());
    const auto before = modelData();
    ModelReports reports (*engine);

    for (const bool silent : { true, false })
    {
        SCOPED_TRACE (silent ? "silent" : "answering");
        keyboard.setReplyBehaviour ({ 0, 0, silent ? 1.0 : 0.0 });
        const auto requestsBefore = keyboard.getReadRequestCount();
        failures.midiFailures.clear();

        engine->startGet (slot);
        ASSERT_TRUE (finishTransfers (*engine));
        EXPECT_EQ (modelData(), silent ? before : slotData (slot));
        EXPECT_EQ (midiManager.getNumListeners(), 0);
        settle();

        // After the silent get every address may still be answered late, so each is asked twice.
        EXPECT_EQ (keyboard.getReadRequestCount() - requestsBefore, (silent ? 9 : 2) * constants.dataLength());
        EXPECT_EQ (failures.midiFailures, silent ? juce::StringArray { "" } : juce::StringArray());
        if (silent)
            EXPECT_EQ (reports.total(), 0);
        else
            EXPECT_TRUE (reports.everyControlReportedOnce());
    }

    ASSERT_EQ (failures.successes.size(), 1u);
    EXPECT_EQ (failures.successes[0].second, slot);
    EXPECT_EQ (failures.last().done, constants.dataLength());
}

TEST_F (QXEditorEngineKeyboardTest, SendWritesACopyOfThePresetInAddressOrder)
{
    engine->applyPreset (constants.messageAround (constants.distinctData()));
    TemporaryFolder temp;
    const auto log = std::make_shared<MidiLog> (temp.file ("midi.log"));
    midiManager.setLog (log);

    ASSERT_TRUE (engine->sendPreset (7));
    engine->applyPreset (constants.messageAround (zeros (constants.dataLength()))); // an edit meanwhile
    ASSERT_TRUE (finishTransfers (*engine));
    midiManager.setLog (nullptr);
    log->flush();

    EXPECT_EQ (keyboard.getSlotData (7), constants.distinctData());
    EXPECT_EQ (keyboard.getWriteCount(), constants.dataLength());
    EXPECT_EQ (failures.successes.size(), 1u);

    juce::StringArray lines;
    lines.addLines (temp.file ("midi.log").loadFileAsString());
    lines.removeEmptyStrings();
    ASSERT_EQ (lines.size(), constants.dataLength());

    for (int address = 0; address < lines.size(); ++address)
    {
        const auto expected = SysExMessages::writeMessage (0x40, 7, address, constants.distinctData()[address]);
        EXPECT_TRUE (lines[address].endsWith (
            "OUT " + juce::String::toHexString (expected.getRawDataPointer(), expected.size()).toUpperCase()))
            << lines[address];
    }
}

// A send's copy is taken when it starts; a load or save made while it runs is the later clean
// point, and an edit made meanwhile stays an edit.
TEST_F (QXEditorEngineKeyboardTest, TheCleanPointIsTheLastLoadSaveOrSendInTheOrderTheyHappened)
{
    TemporaryFolder temp;
    const auto file = temp.fileWith ("a.qx6", constants.messageAround (constants.distinctData()));

    for (const auto* during : { "nothing", "edit", "load", "save" })
    {
        SCOPED_TRACE (during);
        engine->applyPreset (constants.messageAround (zeros (constants.dataLength())));
        ASSERT_TRUE (engine->sendPreset (slot));
        const juce::String what (during);

        if (what == "load")
            engine->loadPresetFile (file);
        else if (what != "nothing")
            engine->applyPreset (constants.messageAround (constants.distinctData()));

        if (what == "save")
            engine->savePresetFile (temp.file ("b.qx6"));

        ASSERT_TRUE (finishTransfers (*engine));
        EXPECT_EQ (engine->hasUnsavedEdits(), what == "edit");
        EXPECT_EQ (failures.edited, what == "edit"); // what a window's title shows
    }
}

// A cancel stops a transfer at once; a port reopened under it fails it. Neither applies anything.
TEST_F (QXEditorEngineKeyboardTest, ACancelledOrCutOffTransferStopsAndAppliesNothing)
{
    engine->applyPreset (constants.messageAround (constants.distinctData()));
    const auto sentCount = [this] { return keyboard.getReadRequestCount() + keyboard.getWriteCount(); };
    ModelReports reports (*engine);

    for (const bool reopen : { false, true })
        for (const bool sending : { false, true })
        {
            SCOPED_TRACE (juce::String (reopen ? "reopened " : "cancelled ") + (sending ? "send" : "get"));
            engine->setTiming ({ 1, 1, timeoutMs, reopen ? 1 : 9, 0 });
            failures.statuses.clear();
            failures.midiFailures.clear();

            if (sending)
                ASSERT_TRUE (engine->sendPreset (slot));
            else
                engine->startGet (slot);

            ASSERT_TRUE (dispatchUntil ([&, start = sentCount()] { return sentCount() - start > 50; }));

            if (reopen)
            {
                keyboard.unplug();
                midiManager.checkDevices();
                keyboard.replug();
                midiManager.checkDevices();
                ASSERT_TRUE (midiManager.isConnected() && midiManager.isOutputOpen());
                ASSERT_TRUE (finishTransfers (*engine));
                ASSERT_EQ (failures.midiFailures.size(), 1);
                EXPECT_EQ (failures.midiFailures[0].contains ("slot 4 may be partly written"), sending);
            }
            else
            {
                engine->cancelTransfers();
                EXPECT_FALSE (engine->isTransferRunning());
                const auto atCancel = sentCount();
                settle();
                EXPECT_EQ (sentCount(), atCancel);
                EXPECT_TRUE (failures.midiFailures.isEmpty());
                EXPECT_EQ (failures.last().mayBePartlyWritten, sending);
            }

            EXPECT_EQ (failures.last().state,
                       reopen ? TransferStatus::State::failed : TransferStatus::State::cancelled);
            EXPECT_GT (failures.statuses.size(), 2u) << "no progress was reported";
            EXPECT_EQ (reports.total(), 0);
        }

    EXPECT_EQ (modelData(), constants.distinctData());
    EXPECT_TRUE (failures.successes.empty());
}

TEST_F (QXEditorEngineKeyboardTest, LoadingAFileOrAnotherGetCancelsARunningGet)
{
    engine->setTiming ({ 1, 1, timeoutMs, 9, 0 });
    TemporaryFolder temp;
    const auto file = temp.fileWith ("a.qx6", constants.messageAround (constants.distinctData()));
    keyboard.setSlotData (slot + 1, constants.distinctData());

    for (const bool byFile : { true, false })
    {
        engine->applyPreset (constants.messageAround (zeros (constants.dataLength())));
        engine->startGet (slot);
        ASSERT_TRUE (dispatchUntil ([&] { return failures.last().done > 50; }));

        if (byFile)
            ASSERT_TRUE (engine->loadPresetFile (file));
        else
            engine->startGet (slot + 1);

        ASSERT_TRUE (finishTransfers (*engine));
        settle();
        EXPECT_EQ (modelData(), constants.distinctData()) << (byFile ? "file" : "second get");
    }

    EXPECT_EQ (failures.successes.size(), 1u);
    EXPECT_TRUE (failures.midiFailures.isEmpty());
}

// The transfer thread is held after a status that reads finished and before its call back; the
// engine, told of the end meanwhile, is dropped there and must not be freed under that call.
TEST_F (QXEditorEngineKeyboardTest, AnEngineDroppedBeforeItsEndedTransferCallsBackOutlivesTheCall)
{
    std::atomic<bool> held { false }, released { false };
    struct Unhook
    {
        ~Unhook() { Transfer::beforeChangeCallback = nullptr; }
    } unhook;
    Transfer::beforeChangeCallback = [&] (Transfer& transfer) {
        if (transfer.getStatus().isFinished() && ! held.exchange (true))
            waitUntil ([&] { return transfer.isCancelled() || released; }, 60000);
    };

    ASSERT_TRUE (engine->setSync (true));
    ASSERT_TRUE (waitUntil ([&] { return held.load(); }));
    ASSERT_TRUE (engine->setSync (false)); // hears that the first has ended
    EXPECT_EQ (failures.successes.size(), 1u);
    engine->removeListener (&failures);
    engine = nullptr;
    released = true;

    EXPECT_TRUE (waitUntil ([&] { return ! link.getTransferQueue().isBusy(); }));
}

TEST_F (QXEditorEngineKeyboardTest, AnEngineDestroyedWithItsCompletionPendingAppliesNothing)
{
    ModelReports reports (*engine);

    // Registered before the engine, so called after it: once it has every reply, so has the engine.
    RecordingListener after;
    midiManager.addListener (&after);

    engine->startGet (slot);
    ASSERT_TRUE (waitUntil ([&] { return after.count() == constants.dataLength(); }));
    engine = nullptr;

    settle();
    midiManager.removeListener (&after);
    EXPECT_EQ (reports.total(), 0);
    EXPECT_TRUE (failures.midiFailures.isEmpty());
}

// A reply heard before its request (here during the settling) never counts, nor one for an
// address beyond the data; only the last address still missing completes the get. A later answer
// that differs (a straggler of another slot) overwrites nothing: the address is asked again, and
// only two answers that agree settle it.
TEST (QXEditorEngineReplies, OnlyEveryRequestedAddressAnsweredCompletesAGet)
{
    auto layer = std::make_shared<VirtualMidiPortLayer>();
    auto keys = std::make_shared<VirtualMidiInput> ("Scripted");
    std::atomic<int> requestCount { 0 };
    layer->plugIn (keys);
    layer->plugIn (
        std::make_shared<VirtualMidiOutput> ("Scripted", [&] (const juce::MidiMessage&) { ++requestCount; }));
    KeyboardLink link (layer);
    auto& midiManager = link.getMidiManager();
    midiManager.setInputDevice ("Scripted");
    midiManager.setOutputDevice ("Scripted");

    QX61Constants constants;
    auto engine = constants.makeEngine (link);
    engine->setTiming ({ 0, 0, 60000, 1, 50 });
    ModelReports reports (*engine);
    RecordingListener heard;
    midiManager.addListener (&heard);
    const auto reply = [&] (int address, juce::uint8 value) {
        keys->send (SysExMessages::toMidiMessage (SysExMessages::readReply (0x40, address, value)));
    };

    engine->startGet (0);
    const auto last = constants.dataLength() - 1;
    reply (last, 1);
    ASSERT_TRUE (dispatchUntil ([&] { return requestCount == constants.dataLength(); }));

    for (int address = 0; address < last; ++address)
        reply (address, 9);

    reply (0, 9);
    reply (last + 1, 9);
    ASSERT_TRUE (dispatchUntil ([&] { return heard.count() == constants.dataLength() + 2; }));
    dispatchUntil ([] { return false; }, 100);
    EXPECT_TRUE (engine->isGetRunning());
    EXPECT_EQ (reports.total(), 0);

    reply (1, 7);
    ASSERT_TRUE (dispatchUntil ([&] { return requestCount == constants.dataLength() + 1; }));
    reply (last, 5);
    ASSERT_TRUE (dispatchUntil ([&] { return heard.count() == constants.dataLength() + 4; }));
    dispatchUntil ([] { return false; }, 100);
    EXPECT_TRUE (engine->isGetRunning());

    reply (1, 9);
    ASSERT_TRUE (dispatchUntil ([&] { return ! engine->isGetRunning(); }));
    EXPECT_TRUE (reports.everyControlReportedOnce());
    EXPECT_EQ (engine->getModel().collectData()[1], 9);
    EXPECT_EQ (engine->getModel().collectData()[last], 5);
    midiManager.removeListener (&heard);
}

// The names of all slots come through one paced request per name byte; lost replies are asked
// again, and late or doubled replies of one slot never become the next slot's name.
TEST_F (QXEditorEngineKeyboardTest, ANamesReadAsksForEveryNameByteAndKeepsOtherSlotsRepliesOut)
{
    constexpr int names = ModelConstants::numSlots * PresetLayout::presetNameBytes;
    juce::StringArray expected;

    for (int s = 0; s < ModelConstants::numSlots; ++s)
    {
        auto data = keyboard.initialSlotData (s);
        juce::String name;

        for (int i = 0; i < PresetLayout::presetNameBytes; ++i)
            name << juce::String::charToString (static_cast<juce::juce_wchar> ('A' + (i * 5 + s * 7) % 26));

        for (int i = 0; i < name.length(); ++i)
            data.set (i, static_cast<juce::uint8> (name[i]));

        keyboard.setSlotData (s, data);
        expected.add (name);
    }

    struct Case
    {
        const char* name;
        SimulatedKeyboard::ReplyBehaviour behaviour;
        bool exactRequests;
    };

    const Case cases[] = {
        { "clean", {}, true },
        { "lost replies", { 0, 0, 0.05 }, false },
        { "late and doubled replies", { 0, 2, 0.0, 0.05, 0.05, 150 }, false },
    };

    // A reply held back beyond the shortened timeout is asked for again, and then comes late.
    engine->setTiming ({ 0, 0, 100, 9, 0 });
    const auto before = modelData();

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        keyboard.setRandomSeed (7);
        keyboard.setReplyBehaviour (c.behaviour);
        const auto requestsBefore = keyboard.getReadRequestCount();
        failures.statuses.clear();

        engine->startNameRead();
        ASSERT_TRUE (finishTransfers (*engine));

        const auto requests = keyboard.getReadRequestCount() - requestsBefore;
        EXPECT_TRUE (c.exactRequests ? requests == names : requests > names) << requests;
        EXPECT_EQ (failures.last().state, TransferStatus::State::succeeded);
        EXPECT_EQ (failures.last().done, names);

        for (int s = 0; s < ModelConstants::numSlots; ++s)
            EXPECT_EQ (engine->getSlotNames()[(size_t) s].value_or ("-"), expected[s]) << s;

        keyboard.setReplyBehaviour ({});
        settle();
    }

    // The preset itself is untouched by reading names.
    EXPECT_TRUE (failures.successes.size() == 3 && failures.successes[0].first == TransferStatus::Kind::names);
    EXPECT_EQ (modelData(), before);
}

TEST_F (QXEditorEngineKeyboardTest, ACancelledNamesReadSendsNoMoreAndKeepsTheNamesReadWhole)
{
    engine->setTiming ({ 1, 1, timeoutMs, 9, 0 });
    engine->startNameRead();
    ASSERT_TRUE (dispatchUntil ([&] { return keyboard.getReadRequestCount() > 40; }));
    engine->cancelTransfers();
    const auto atCancel = keyboard.getReadRequestCount();
    settle();

    EXPECT_EQ (keyboard.getReadRequestCount(), atCancel);
    EXPECT_EQ (failures.last().state, TransferStatus::State::cancelled);
    const auto& names = engine->getSlotNames();
    ASSERT_EQ (names.size(), (size_t) ModelConstants::numSlots);
    EXPECT_EQ (names[0].value_or ("-"), "Sim Preset 01");
    EXPECT_FALSE (names[23].has_value());
}
