#include "model/PresetModel.h"
#include "model/ModelConstants.h"
#include "model/kinds/QXControlsToMidiDin.h"
#include "model/kinds/QXKeybed.h"
#include "model/kinds/QXKnob.h"
#include "model/kinds/QXPad.h"
#include "model/kinds/QXPresetName.h"
#include "model/kinds/QXRollMode.h"
#include "model/kinds/QXSustain.h"
#include "model/kinds/QXSwitch.h"
#include "model/kinds/QXTransport.h"
#include "model/kinds/QXWheels.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

using namespace ControlGroup;

namespace
{
/** Checks "name:byte:maximum, ..." in order; byte -1 marks a name the kind does not list, which
    has no byte and no range. */
void expectParameters (const Control& control, const char* table)
{
    juce::StringArray listed;

    for (const auto& row : juce::StringArray::fromTokens (table, ",", {}))
    {
        const auto fields = juce::StringArray::fromTokens (row.trim(), ":", {});
        const auto& name = fields[0];
        EXPECT_EQ (control.getParameterIndex (name), fields[1].getIntValue()) << name;
        EXPECT_EQ (control.getMaximum (name), fields[2].getIntValue()) << name;
        EXPECT_EQ (control.getMinimum (name), 0) << name;

        if (fields[1].getIntValue() >= 0)
            listed.add (name);
    }

    EXPECT_EQ (control.getParameterNames(), listed);
}

struct RecordingListener : Control::Listener
{
    std::vector<std::pair<juce::String, int>> reports;

    void parameterChanged (const juce::String& name, juce::uint8 value) override { reports.emplace_back (name, value); }
};

PresetModel makeQX61Model()
{
    const auto model = ModelConstants::qx61();
    return { model.getLayout(), model.getHighestSplitPoint(), model.maxKeybedOctave };
}
} // namespace

TEST (ControlKinds, EveryKindListsItsBytesAndRanges)
{
    const std::pair<std::unique_ptr<Control>, const char*> kinds[] {
        { std::make_unique<QXKeybed> (16, 60, 10),
          "Keybed Transpose:0:24, Keybed Octave:1:10, Keybed MIDI Channel:2:15, Keybed Curve:3:8, Split Mode:4:1, "
          "Split Point:5:60, Lower Keybed Transpose:6:24, Lower Keybed Octave:7:10, Lower Keybed MIDI Channel:8:15, "
          "Lower Keybed Curve:9:8, Upper Keybed Transpose:10:24, Upper Keybed Octave:11:10, "
          "Upper Keybed MIDI Channel:12:15, Upper Keybed Curve:13:8, CC:-1:0" },
        { std::make_unique<QXRollMode> (30), "Function:0:1, Time Div:1:7, Gate:2:98, Swing:3:24, CC:-1:0" },
        { std::make_unique<QXTransport> (34), "Function:0:1, CC:1:127" },
        { std::make_unique<QXWheels> (46), "Pitch Wheel MIDI Channel:0:16, Mod Wheel MIDI Channel:1:16, "
                                           "Mod Wheel CC:2:127, Mod Wheel Min:3:127, Mod Wheel Max:4:127" },
        { std::make_unique<QXSustain> (51), "CC:0:127, Pressed:1:127, Released:2:127, MIDI Channel:3:15, Mode:-1:0" },
        { std::make_unique<QXKnob> (55), "Mode:0:1, CC:1:127, Min:2:127, Max:3:127, MIDI Channel:4:15, Program:-1:0" },
        // Pads and switches share bytes between their modes.
        { std::make_unique<QXPad> (135),
          "Mode:0:3, Note:1:127, CC:1:127, Program:1:127, Fixed:2:127, Toggle On:2:127, Pressed:2:127, "
          "Bank LSB:2:127, Toggle Off:3:127, Released:3:127, Bank MSB:3:127, Curve:3:7, MIDI Channel:4:15, Min:-1:0" },
        { std::make_unique<QXSwitch> (215),
          "Mode:0:3, CC:1:127, Program:1:127, Toggle On:2:127, Pressed:2:127, Bank LSB:2:127, Toggle Off:3:127, "
          "Released:3:127, Bank MSB:3:127, MIDI Channel:4:15, Note:-1:0, Curve:-1:0" },
    };

    for (const auto& [control, table] : kinds)
    {
        SCOPED_TRACE (table);
        expectParameters (*control, table);
    }
}

TEST (ControlKinds, NamesBeyondTheListsAndSharedBytes)
{
    QXPresetName name;
    EXPECT_EQ (name.getParameterIndex ("Preset Name 16"), 15);
    EXPECT_EQ (name.getParameterIndex ("Preset Name 17"), -1);
    EXPECT_EQ (name.getMaximum ("anything at all"), 127);

    QXControlsToMidiDin flags (455);
    EXPECT_EQ (flags.getParameterIndex ("Switches Midi To DIN"), 9);
    EXPECT_EQ (flags.getMaximum ("Pads Midi To DIN"), 1);
    EXPECT_EQ (flags.getMaximum ("Pads MIDI To DIN"), 0); // case-sensitive

    // A value refused under one name of a byte is taken under another with a wider range.
    QXPad pad (135);
    pad.setParameter ("Curve", 8, false);
    EXPECT_EQ (pad.getParameter ("Curve"), 0);
    pad.setParameter ("Bank MSB", 8, false);
    EXPECT_EQ (pad.getParameter ("Curve"), 8);
    EXPECT_EQ (pad.getParameter ("Released"), 8);
}

TEST (Control, SetParameterStoresOnlyListedInRangeValuesAndReportsWhenAsked)
{
    QXKnob knob (0);
    RecordingListener listener;
    knob.addListener (&listener);

    knob.setParameter ("MIDI Channel", 15, false);
    EXPECT_EQ (knob.getParameter ("MIDI Channel"), 15);
    EXPECT_TRUE (listener.reports.empty());

    // Out of range or unlisted: dropped, but still reported so a widget can put its value back.
    knob.setParameter ("MIDI Channel", 16, true);
    knob.setParameter ("Program", 3, true);
    EXPECT_EQ (knob.getParameter ("MIDI Channel"), 15);
    EXPECT_EQ (knob.getParameter ("Program"), 0);
    EXPECT_EQ (knob.getBytes(), (Control::Bytes { 0, 0, 0, 0, 15 }));
    EXPECT_EQ (listener.reports,
               (std::vector<std::pair<juce::String, int>> { { "MIDI Channel", 16 }, { "Program", 3 } }));
}

TEST (Control, SetBytesReportsEveryNameIncludingSharedBytesAndKeepsOutOfRangeBytes)
{
    QXPad pad (0);
    RecordingListener listener;
    pad.addListener (&listener);

    pad.setBytes ({ 9, 60, 2, 100, 200 });

    // Kept as copied, even beyond each name's maximum.
    EXPECT_EQ (pad.getBytes(), (Control::Bytes { 9, 60, 2, 100, 200 }));
    std::vector<std::pair<juce::String, int>> expected;

    for (const auto& name : pad.getParameterNames())
        expected.emplace_back (name, pad.getBytes()[pad.getParameterIndex (name)]);

    EXPECT_EQ (listener.reports, expected);
}

TEST (Control, ApplyImageReadsItsBlockAndZeroFillsBeyondTheData)
{
    QXKnob knob (3);
    knob.applyImage ({ 0, 0, 0, 11, 12, 13 });
    EXPECT_EQ (knob.getBytes(), (Control::Bytes { 11, 12, 13, 0, 0 }));

    knob.applyImage ({});
    EXPECT_EQ (knob.getBytes(), (Control::Bytes { 0, 0, 0, 0, 0 }));
}

TEST (PresetLayout, BlocksFollowTheControlCountsAndTileTheData)
{
    // Offsets in the keyboard's own tables.
    const PresetLayout qx61 (16, 16, 48);
    EXPECT_EQ (qx61.knobOffset (15), 130);
    EXPECT_EQ (qx61.padOffset (13), 200);
    EXPECT_EQ (qx61.switchOffset (47), 450);
    EXPECT_EQ (qx61.midiToDinOffset(), 455);
    EXPECT_EQ (qx61.messageLength(), 476);
    EXPECT_EQ (PresetLayout::messageOffset (455), 465);

    // The full model's blocks tile the data without gaps or overlaps.
    auto qx61Model = makeQX61Model();
    std::vector<int> owner (465, 0);

    qx61Model.forEachControl ([&] (int, const Control& control) {
        for (int i = 0; i < control.getByteCount(); ++i)
            ++owner[static_cast<size_t> (control.getImageOffset() + i)];
    });

    for (size_t i = 0; i < owner.size(); ++i)
        EXPECT_EQ (owner[i], 1) << "data byte " << i;

    EXPECT_EQ (qx61Model.getControl (padGroup, 16), nullptr);
}

// Also a round trip: the controls hand back exactly the data they were given.
TEST (DefaultPreset, MatchesTheKeyboardsFactoryTable)
{
    const auto message = ModelConstants::qx61DefaultPreset();
    ASSERT_EQ (message.size(), 476);
    EXPECT_TRUE (message.getFirst() == 0xF0 && message[6] == 0x63 && message.getLast() == 0xF7);

    auto model = makeQX61Model();
    Control::Bytes data (message.getRawDataPointer() + 10, 465);
    model.applyData (data);

    const auto values = [&model] (int groupId, const char* name) {
        juce::StringArray shown;
        for (int i = 0; i < model.getNumControls (groupId); ++i)
            shown.add (juce::String (model.getControl (groupId, i)->getParameter (name)));
        return shown.joinIntoString (" ");
    };

    EXPECT_EQ (values (presetNameGroup, "Preset Name 16"), "48");
    EXPECT_EQ (values (keybedGroup, "Keybed Transpose") + values (keybedGroup, "Split Mode")
                   + values (keybedGroup, "Upper Keybed Curve"),
               "1214");
    EXPECT_EQ (values (rollModeGroup, "Gate"), "49");
    EXPECT_EQ (values (wheelsGroup, "Mod Wheel CC") + " " + values (wheelsGroup, "Mod Wheel Max"), "1 127");
    EXPECT_EQ (values (sustainGroup, "CC") + " " + values (sustainGroup, "Pressed"), "64 127");
    EXPECT_EQ (values (transportGroup, "CC"), "116 117 118 119 115 114");
    EXPECT_EQ (values (knobGroup, "CC"), "20 21 22 23 24 25 26 27 28 29 30 31 35 41 46 47");
    EXPECT_EQ (values (padGroup, "Note"), "48 49 50 51 44 45 46 47 40 41 42 43 36 37 38 39");
    EXPECT_TRUE (values (switchGroup, "CC").startsWith ("48 49 ") && values (switchGroup, "CC").endsWith (" 95"));
    EXPECT_EQ (values (midiToDinGroup, "Switches Midi To DIN"), "1");

    EXPECT_EQ (model.collectData(), data);
}
