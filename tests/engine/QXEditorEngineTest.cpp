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
