#include "model/ModelConstants.h"
#include "model/PresetModel.h"
#include "model/QXTransport.h"

#include <gtest/gtest.h>

using namespace ControlGroup;

namespace
{
PresetModel makeQX61Model()
{
    const auto model = ModelConstants::qx61();
    return { model.getLayout(), model.getHighestSplitPoint(), model.maxKeybedOctave };
}
} // namespace

TEST (PresetLayout, BlocksFollowTheControlCounts)
{
    // Offsets in the keyboard's own tables, for the full model and an empty one.
    const PresetLayout qx61 (16, 16, 48), empty (0, 0, 0);
    EXPECT_EQ (qx61.knobOffset (15), 130);
    EXPECT_EQ (qx61.padOffset (13), 200);
    EXPECT_EQ (qx61.switchOffset (47), 450);
    EXPECT_EQ (qx61.midiToDinOffset(), 455);
    EXPECT_EQ (qx61.messageLength(), 476);
    EXPECT_EQ (PresetLayout::messageOffset (455), 465);
    EXPECT_EQ (empty.midiToDinOffset(), 55);
    EXPECT_EQ (empty.messageLength(), 76);

    PresetModel model (empty, 60, 10);
    EXPECT_EQ (model.getControl (knobGroup), nullptr);
    EXPECT_EQ (model.getControl (midiToDinGroup)->getImageOffset(), 55);
}

TEST (PresetModel, BlocksTileTheDataWithoutGapsOrOverlaps)
{
    auto model = makeQX61Model();
    std::vector<int> owner (465, 0);

    model.forEachControl ([&] (int, const Control& control) {
        for (int i = 0; i < control.getByteCount(); ++i)
            ++owner[static_cast<size_t> (control.getImageOffset() + i)];
    });

    for (size_t i = 0; i < owner.size(); ++i)
        EXPECT_EQ (owner[i], 1) << "data byte " << i;

    EXPECT_EQ (model.getControl (padGroup, 16), nullptr);
}

// Also a round trip: the controls hand back exactly the data they were given.
TEST (DefaultPreset, MatchesTheKeyboardsFactoryTable)
{
    const auto message = ModelConstants::qx61DefaultPreset();
    ASSERT_EQ (message.size(), 476);
    EXPECT_EQ (message.getFirst(), 0xF0);
    EXPECT_EQ (message[6], 0x63);
    EXPECT_EQ (message.getLast(), 0xF7);

    auto model = makeQX61Model();
    Control::Bytes data (message.getRawDataPointer() + 10, 465);
    model.applyData (data);

    const auto value = [&model] (int groupId, const char* name, int index = 0) {
        return model.getControl (groupId, index)->getParameter (name);
    };

    EXPECT_EQ (value (presetNameGroup, "Preset Name 16"), 0x30);
    EXPECT_EQ (value (keybedGroup, "Keybed Transpose"), 12);
    EXPECT_EQ (value (keybedGroup, "Split Mode"), 1);
    EXPECT_EQ (value (keybedGroup, "Upper Keybed Curve"), 4);
    EXPECT_EQ (value (rollModeGroup, "Gate"), 49);
    EXPECT_EQ (value (wheelsGroup, "Mod Wheel CC"), 1);
    EXPECT_EQ (value (wheelsGroup, "Mod Wheel Max"), 127);
    EXPECT_EQ (value (sustainGroup, "CC"), 64);
    EXPECT_EQ (value (sustainGroup, "Pressed"), 127);

    const int transportCCs[] = { 116, 117, 118, 119, 115, 114 };
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ (value (transportGroup, "CC", i), transportCCs[i]) << QXTransport::buttonNames()[i];

    const int knobCCs[] = { 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 35, 41, 46, 47 };
    const int padNotes[] = { 48, 49, 50, 51, 44, 45, 46, 47, 40, 41, 42, 43, 36, 37, 38, 39 };
    for (int i = 0; i < 16; ++i)
    {
        EXPECT_EQ (value (knobGroup, "CC", i), knobCCs[i]);
        EXPECT_EQ (value (knobGroup, "Max", i), 127);
        EXPECT_EQ (value (padGroup, "Note", i), padNotes[i]);
    }

    for (int i = 0; i < 48; ++i)
    {
        EXPECT_EQ (value (switchGroup, "CC", i), 48 + i);
        EXPECT_EQ (value (switchGroup, "Toggle On", i), 127);
    }

    for (const auto& name : model.getControl (midiToDinGroup)->getParameterNames())
        EXPECT_EQ (model.getControl (midiToDinGroup)->getParameter (name), 1) << name;

    EXPECT_EQ (model.collectData(), data);
}
