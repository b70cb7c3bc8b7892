#include "model/mapping/MappingTable.h"
#include "engine/EngineTestSupport.h"
#include "model/ModelConstants.h"
#include "model/mapping/MidiNames.h"

#include <gtest/gtest.h>

using namespace ControlGroup;
using Column = MappingTable::Column;

namespace
{
struct DefaultPreset
{
    DefaultPreset()
    {
        const auto message = ModelConstants::qx61DefaultPreset();
        model.applyData (
            { message.getRawDataPointer() + PresetLayout::messageDataStart, constants.getLayout().dataLength() });
        table.refresh();
    }

    int rowOf (const juce::String& title) const
    {
        for (int row = 0; row < table.getNumRows(); ++row)
            if (table.getRow (row).title == title)
                return row;
        ADD_FAILURE() << "no row " << title;
        return -1;
    }

    juce::String text (const juce::String& title, int column) const
    {
        return table.getCellText (rowOf (title), column);
    }

    void set (int groupId, int index, const char* name, int value)
    {
        model.getControl (groupId, index)->setParameter (name, static_cast<juce::uint8> (value), false);
        table.refresh();
    }

    juce::Array<int> rowsOf (std::initializer_list<const char*> titles) const
    {
        juce::Array<int> rows;
        for (auto* title : titles)
            rows.add (rowOf (title));
        return rows;
    }

    ModelConstants constants = ModelConstants::qx61();
    PresetModel model { constants.getLayout(), constants.getHighestSplitPoint(), constants.maxKeybedOctave };
    MappingTable table { model };
};

const juce::String dot (juce::CharPointer_UTF8 (" \xc2\xb7 "));
} // namespace

TEST (MidiNames, NotesCountMiddleCAsC3AndCommonControllersHaveNames)
{
    for (const auto& [note, name] : std::vector<std::pair<int, const char*>> {
             { 0, "C-2" }, { 36, "C1" }, { 60, "C3" }, { 61, "C#3" }, { 127, "G8" }, { 128, "" } })
        EXPECT_EQ (MidiNames::noteName (note), name) << note;

    EXPECT_EQ (MidiNames::describeNote (36), "36" + dot + "C1");
    EXPECT_EQ (MidiNames::describeController (7), "7" + dot + "Volume");
    EXPECT_EQ (MidiNames::describeController (64), "64" + dot + "Sustain");
    EXPECT_EQ (MidiNames::describeController (1), "1" + dot + "Modulation");
    EXPECT_EQ (MidiNames::describeController (20), "20");
}

TEST (MappingTable, EveryControlKindAndModeShowsWhatItSends)
{
    DefaultPreset preset;
    EXPECT_EQ (preset.table.getNumRows(), 1 + 1 + 6 + 2 + 1 + 16 + 16 + 48);

    preset.set (knobGroup, 1, "Mode", 1);
    preset.set (padGroup, 1, "Mode", 1);
    preset.set (padGroup, 2, "Mode", 3);
    preset.set (switchGroup, 1, "Mode", 2);
    preset.set (wheelsGroup, 0, "Pitch Wheel MIDI Channel", 16);

    // title: mode | channel | message | value 1 | value 2 | MIDI to DIN
    const std::vector<std::pair<const char*, juce::StringArray>> expected {
        { "Keybed", { "", "1", "Notes", "Transpose 0", "Octave 5", "On" } },
        { "Roll Mode", { "Toggle", "", "1/4", "Gate 50", "Swing 50", "" } },
        { "Rewind", { "Momentary", "", "CC 116", "", "", "On" } },
        { "Pitch Wheel", { "", "Omni", "Pitch Bend", "", "", "On" } },
        { "Mod Wheel", { "", "1", "CC 1" + dot + "Modulation", "Min 0", "Max 127", "On" } },
        { "Sustain", { "", "1", "CC 64" + dot + "Sustain", "Pressed 127", "Released 0", "On" } },
        { "Knob 1", { "CC", "1", "CC 20", "Min 0", "Max 127", "On" } },
        { "Knob 2", { "Aftertouch", "1", "Aftertouch", "Min 0", "Max 127", "On" } },
        { "Pad 13", { "Note", "1", "Note 36" + dot + "C1", "Fixed 0", "Curve 1", "On" } },
        { "Pad 2", { "CC Toggle", "1", "CC 49", "Toggle On 0", "Toggle Off 0", "On" } },
        { "Pad 3", { "Program Change", "1", "Program 50", "Bank LSB 0", "Bank MSB 0", "On" } },
        { "Switch 1", { "CC Toggle", "1", "CC 48", "Toggle On 127", "Toggle Off 0", "On" } },
        { "Switch 2", { "Program Change", "1", "Program 49", "Bank LSB 127", "Bank MSB 0", "On" } },
    };

    for (const auto& [title, cells] : expected)
        for (int column = Column::modeColumn; column <= Column::midiToDinColumn; ++column)
            EXPECT_EQ (preset.text (title, column), cells[column - 1]) << title << " column " << column;

    preset.set (keybedGroup, 0, "Split Mode", 0);
    preset.set (keybedGroup, 0, "Upper Keybed MIDI Channel", 3);
    EXPECT_EQ (preset.table.getRow (0).title, "Lower Keybed");
    EXPECT_EQ (preset.text ("Upper Keybed", Column::channelColumn), "4");
}

TEST (MappingTable, SameCcOrNoteOnOneChannelConflictsAcrossKindsButProgramsNever)
{
    DefaultPreset preset;

    // The default preset's switch 17 sends CC 64, as the sustain does.
    EXPECT_EQ (preset.table.getNumConflicts(), 1);
    EXPECT_EQ (preset.text ("Sustain", Column::conflictsColumn), "Switch 17");
    EXPECT_EQ (preset.text ("Switch 17", Column::conflictsColumn), "Sustain");
    EXPECT_EQ (MappingTable::describeConflicts (2), "2 conflicts");

    preset.set (switchGroup, 16, "CC", 100);
    preset.set (knobGroup, 0, "CC", 48);     // switch 1's CC
    preset.set (transportGroup, 0, "CC", 1); // the mod wheel's, and transport has no channel
    preset.set (padGroup, 0, "Note", 49);    // pad 2's note
    EXPECT_EQ (preset.text ("Knob 1", Column::conflictsColumn), "Switch 1");
    EXPECT_EQ (preset.text ("Mod Wheel", Column::conflictsColumn), "Rewind");
    EXPECT_EQ (preset.text ("Pad 2", Column::conflictsColumn), "Pad 1");
    EXPECT_EQ (preset.table.getNumConflicts(), 3);

    preset.set (padGroup, 0, "MIDI Channel", 5);
    preset.set (knobGroup, 0, "Mode", 1); // aftertouch sends no CC
    preset.set (switchGroup, 2, "Mode", 2);
    preset.set (switchGroup, 3, "Mode", 2);
    preset.set (switchGroup, 3, "Program", 50); // switch 3's program
    EXPECT_EQ (preset.table.getNumConflicts(), 1);
    EXPECT_EQ (preset.text ("Switch 3", Column::conflictsColumn), "");
}

TEST (MappingTable, TypedCellsAndBatchesUseTheShownRangesAndAreRefusedWholeNamingTheControl)
{
    DefaultPreset preset;
    const auto knob1 = preset.rowOf ("Knob 1");
    const auto onlyEdit = [] (const MappingTable::Edits& edits) {
        EXPECT_TRUE (edits.refusal.isEmpty()) << edits.refusal;
        EXPECT_EQ (edits.edits.size(), 1u);
        return edits.edits.empty() ? ParameterEdit() : edits.edits.front();
    };

    EXPECT_EQ (onlyEdit (preset.table.editCell (knob1, Column::channelColumn, "16")).value, 15);
    EXPECT_EQ (onlyEdit (preset.table.editCell (knob1, Column::messageColumn, "CC 7")).value, 7);
    EXPECT_EQ (onlyEdit (preset.table.editCell (knob1, Column::modeColumn, "aftertouch")).value, 1);
    EXPECT_EQ (onlyEdit (preset.table.editCell (0, Column::firstValueColumn, "-12")).value, 0);
    EXPECT_EQ (onlyEdit (preset.table.editCell (preset.rowOf ("Pad 1"), Column::secondValueColumn, "8")).value, 7);
    EXPECT_EQ (onlyEdit (preset.table.editCell (knob1, Column::midiToDinColumn, "Off")).parameterName,
               "Knobs Midi To DIN");
    EXPECT_EQ (preset.table.editCell (knob1, Column::channelColumn, "17").refusal,
               juce::String::fromUTF8 ("Knob 1: MIDI Channel 17 is outside 1–16"));
    EXPECT_TRUE (preset.table.editCell (preset.rowOf ("Pad 1"), Column::secondValueColumn, "9").refusal.isNotEmpty());
    EXPECT_TRUE (preset.table.editCell (knob1, Column::messageColumn, "twenty").refusal.startsWith ("Knob 1"));

    const auto knobs = preset.rowsOf ({ "Knob 1", "Knob 2", "Knob 3" });
    const auto numbered = preset.table.numberInSequence (knobs, 20);
    ASSERT_EQ (numbered.edits.size(), 3u);
    EXPECT_EQ (numbered.edits[2].index, 2);
    EXPECT_EQ (numbered.edits[2].value, 22);
    EXPECT_EQ (preset.table.numberInSequence (knobs, 126).refusal,
               juce::String::fromUTF8 ("Knob 3: CC 128 is outside 0–127"));
    EXPECT_EQ (preset.table.numberInSequence (preset.rowsOf ({ "Knob 1", "Pitch Wheel" }), 1).refusal,
               "Pitch Wheel sends no CC, note or program");

    EXPECT_EQ (preset.table.setChannel (preset.rowsOf ({ "Knob 1", "Pad 1", "Mod Wheel" }), 16).edits.size(), 3u);
    EXPECT_EQ (preset.table.setChannel (preset.rowsOf ({ "Knob 1", "Play" }), 2).refusal, "Play has no MIDI channel");
    EXPECT_EQ (preset.table.setMode (preset.rowsOf ({ "Pad 1", "Pad 2" }), "CC Toggle").edits.size(), 2u);
    EXPECT_EQ (preset.table.setMode (preset.rowsOf ({ "Pad 1", "Switch 1" }), "CC Toggle").refusal,
               "Pad 1 and Switch 1 are not controls of one kind");

    preset.set (padGroup, 0, "Mode", 3);
    preset.set (padGroup, 0, "Bank MSB", 100);
    const auto copied = preset.table.copySettings (preset.rowOf ("Pad 1"));
    const auto pasted = preset.table.pasteSettings (copied, preset.rowsOf ({ "Pad 5", "Pad 6" }));
    EXPECT_EQ (pasted.edits.size(), 2u * 5u); // mode, channel, program, both banks
    EXPECT_EQ (preset.table.pasteSettings (copied, preset.rowsOf ({ "Pad 5", "Knob 1" })).refusal,
               "The copied settings do not fit Knob 1");

    // Through the clipboard's text, as between windows and the section views.
    const auto text = MappingTable::settingsToText (copied);
    ASSERT_TRUE (MappingTable::settingsFromText (text).has_value());
    EXPECT_EQ (MappingTable::settingsToText (*MappingTable::settingsFromText (text)), text);
    for (const auto* other : { "", "Pad 1", "qx61-settings;8;Mode", "qx61-settings;x", "qx61-settings;8;Mode=-1" })
        EXPECT_FALSE (MappingTable::settingsFromText (other).has_value()) << other;
}

TEST (MappingTable, EditsApplyAsOneUndoStepAndReachTheWidgetsOfEveryNameOfTheByte)
{
    using namespace EngineTestSupport;
    KeyboardRig rig;
    rig.engine->applyPreset (ModelConstants::qx61DefaultPreset());

    struct Heard : public QXEditorEngine::Listener, public Control::Listener
    {
        void midiCommunicationFailed (const juce::String&) override {}
        void presetFileFailed (const juce::String&) override {}
        void presetChanged() override { ++changes; }
        void parameterChanged (const juce::String& name, juce::uint8 value) override
        {
            names.add (name + "=" + juce::String (value));
        }
        int changes = 0;
        juce::StringArray names;
    } heard;

    rig.engine->addListener (&heard);
    auto* pad = rig.engine->getModel().getControl (padGroup, 0);
    pad->addListener (&heard);

    MappingTable table (rig.engine->getModel());
    const auto pads = juce::Array<int> { table.getNumRows() - 64, table.getNumRows() - 63 };
    rig.engine->applyEdits (table.numberInSequence (pads, 60).edits);
    table.refresh();

    EXPECT_EQ (table.getCellText (pads[1], Column::messageColumn), "Note 61" + dot + "C#3");
    EXPECT_TRUE (heard.names.contains ("Note=60") && heard.names.contains ("CC=60")
                 && heard.names.contains ("Program=60"));
    EXPECT_EQ (heard.changes, 1);
    EXPECT_TRUE (rig.engine->hasUnsavedEdits());

    EXPECT_TRUE (rig.engine->undo());
    table.refresh();
    EXPECT_EQ (table.getCellText (pads[1], Column::messageColumn), "Note 49" + dot + "C#2");
    EXPECT_FALSE (rig.engine->canUndo());
    rig.engine->removeListener (&heard);
    pad->removeListener (&heard);
}

TEST (MappingTable, CsvHasTheColumnNamesThenARowPerControlWithItsConflicts)
{
    DefaultPreset preset;
    const auto lines = juce::StringArray::fromLines (preset.table.toCsv().trimEnd());

    ASSERT_EQ (lines.size(), preset.table.getNumRows() + 1);
    EXPECT_EQ (lines[0], "Control,Mode,Channel,Message,Value 1,Value 2,MIDI to DIN,Conflicts with");
    EXPECT_EQ (lines[preset.rowOf ("Knob 1") + 1], "Knob 1,CC,1,CC 20,Min 0,Max 127,On,");

    preset.set (switchGroup, 0, "CC", 64);
    EXPECT_TRUE (preset.table.toCsv().contains (",On,\"Switch 1, Switch 17\"\n"));
}
