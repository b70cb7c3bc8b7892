#include "EngineTestSupport.h"

#include <gtest/gtest.h>

using namespace EngineTestSupport;

namespace
{
struct QXEditorEngineTest : public ::testing::Test
{
    QX61Constants constants;
    MidiManager midiManager { std::make_shared<VirtualMidiPortLayer>() };
    QXEditorEngine::Ptr engine = constants.makeEngine (midiManager);
};
} // namespace

TEST_F (QXEditorEngineTest, OnlyAMessageOfThePresetLengthIsApplied)
{
    const auto before = engine->getModel().collectData();
    ModelReports reports (*engine);

    auto message = constants.messageAround (constants.distinctData());
    auto shorter = message, longer = message;
    shorter.removeLast();
    longer.add (0xF7);
    engine->applyPreset (shorter);
    engine->applyPreset (longer);
    EXPECT_EQ (engine->getModel().collectData(), before);
    EXPECT_EQ (reports.total(), 0);

    engine->applyPreset (message);
    EXPECT_EQ (engine->getModel().collectData(), constants.distinctData());
    EXPECT_TRUE (reports.everyControlReportedOnce());
}

TEST_F (QXEditorEngineTest, PresetMessageWrapsTheModelsDataForTheSlot)
{
    engine->applyPreset (constants.messageAround (constants.distinctData()));
    const auto message = engine->buildPresetMessage (5);

    ASSERT_EQ (message.size(), 476);
    EXPECT_EQ (message[6], 0x61);
    EXPECT_EQ (message[PresetLayout::slotPosition], 5);
    EXPECT_EQ (Bytes (message.begin() + PresetLayout::messageDataStart, constants.dataLength()),
               constants.distinctData());
    EXPECT_EQ (message.getLast(), 0xF7);
}

TEST_F (QXEditorEngineTest, WithoutPortsEveryKeyboardOperationReportsTheFailure)
{
    FailureRecorder recorder;
    engine->addListener (&recorder);

    EXPECT_FALSE (engine->sendPreset (0));
    EXPECT_FALSE (engine->setSync (true));
    engine->startGet (0);

    EXPECT_EQ (recorder.midiFailures.size(), 3);
    EXPECT_FALSE (engine->isGetRunning());
}
