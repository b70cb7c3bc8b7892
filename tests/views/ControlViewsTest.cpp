#include "views/ViewTestSupport.h"

#include "model/ControlGroup.h"
#include "views/KnobControlView.h"
#include "views/PadControlView.h"
#include "views/SwitchControlView.h"
#include "widgets/DoubleParameterControllerComboBox.h"
#include "widgets/DoubleParamterControllerNumberBox.h"

#include <gtest/gtest.h>

using namespace ControlGroup;

namespace
{
using Row = DoubleParamterControllerNumberBox;

juce::StringArray rowNames (GenericControlView::GenericControlViewControlGroup& group)
{
    juce::StringArray names;

    for (auto* row : findAll<Row> (group))
        names.add (row->parameterName);

    return names;
}

Row& row (GenericControlView& view, int group, const juce::String& name)
{
    auto* found = findNamed<NumberBox> (*view.getControlGroups()[group], name);
    jassert (found != nullptr);
    return *dynamic_cast<Row*> (found->getParentComponent());
}

int shown (Row& box)
{
    return juce::roundToInt (box.getNumberBox().getValue());
}

void chooseMode (GenericControlView& view, int itemId)
{
    view.getModeComboBox()->getComboBox().setSelectedId (itemId);
    deliverPendingMessages();
}

/** Types into a number box as a user would. */
void type (Row& box, const juce::String& text)
{
    auto& numberBox = box.getNumberBox();
    numberBox.showEditor();
    numberBox.getCurrentTextEditor()->setText (text, false);
    numberBox.hideEditor (false);
}

class ControlViewsTest : public ::testing::Test
{
protected:
    void SetUp() override { engine.apply (engine.defaultPreset()); }

    ViewTestEngine engine;
};
} // namespace

TEST_F (ControlViewsTest, TitlesCountFromOne)
{
    EXPECT_EQ (KnobControlView (engine.engine, 0).getTitle(), "Knob 1");
    EXPECT_EQ (PadControlView (engine.engine, 11).getTitle(), "Pad 12");
    EXPECT_EQ (SwitchControlView (engine.engine, 47).getTitle(), "Switch 48");
}

TEST_F (ControlViewsTest, EachKindHasItsModesAndRows)
{
    KnobControlView knob (engine.engine, 0);
    PadControlView pad (engine.engine, 0);
    SwitchControlView switchView (engine.engine, 0);

    const auto expectModes = [] (GenericControlView& view, const juce::StringArray& modes,
                                 const std::vector<juce::StringArray>& rows, int numberBoxes)
    {
        auto& comboBox = view.getModeComboBox()->getComboBox();
        ASSERT_EQ (comboBox.getNumItems(), modes.size());
        ASSERT_EQ (view.getControlGroups().size(), modes.size());

        for (int i = 0; i < modes.size(); ++i)
        {
            EXPECT_EQ (comboBox.getItemText (i), modes[i]);
            EXPECT_EQ (comboBox.getItemId (i), i + 1);
            EXPECT_EQ (rowNames (*view.getControlGroups()[i]), rows[(size_t) i]) << modes[i];
        }

        EXPECT_EQ (findAll<Row> (view).size(), numberBoxes);
    };

    expectModes (knob, { "CC", "Aftertouch" },
                 { { "MIDI Channel", "CC", "Min", "Max" }, { "MIDI Channel", "Min", "Max" } }, 7);
    expectModes (pad, { "Note", "CC Toggle", "CC Momentary", "Program Change" },
                 { { "MIDI Channel", "Note", "Fixed", "Curve" },
                   { "MIDI Channel", "CC", "Toggle On", "Toggle Off" },
                   { "MIDI Channel", "CC", "Pressed", "Released" },
                   { "MIDI Channel", "Bank LSB", "Bank MSB", "Program" } },
                 16);
    expectModes (switchView, { "CC Toggle", "CC Momentary", "Program Change" },
                 { { "MIDI Channel", "CC", "Toggle On", "Toggle Off" },
                   { "MIDI Channel", "CC", "Pressed", "Released" },
                   { "MIDI Channel", "Bank LSB", "Bank MSB", "Program" } },
                 12);

    // Layout: mode box under the title, rows stacked in the group under it.
    EXPECT_EQ (pad.getBounds(), juce::Rectangle<int> (0, 0, 300, 200));
    EXPECT_EQ (pad.getModeComboBox()->getBounds(), juce::Rectangle<int> (0, 28, 200, 18));
    EXPECT_EQ (pad.getControlGroups()[2]->getBounds(), juce::Rectangle<int> (0, 51, 200, 180));
    EXPECT_EQ (row (pad, 2, "Released").getBounds(), juce::Rectangle<int> (0, 69, 200, 18));
}

TEST_F (ControlViewsTest, TheUsersModeChoiceIsStoredAndShowsItsRows)
{
    KnobControlView knob (engine.engine, 2);
    deliverPendingMessages();
    EXPECT_EQ (knob.getShownGroup(), 0);

    chooseMode (knob, 2);
    EXPECT_EQ (engine.stored (knobGroup, 2, "Mode"), 1);
    EXPECT_EQ (knob.getShownGroup(), 1);
    EXPECT_EQ (findAll<Row> (*knob.getControlGroups()[1]).size(), 3);

    chooseMode (knob, 1);
    EXPECT_EQ (engine.stored (knobGroup, 2, "Mode"), 0);
    EXPECT_EQ (knob.getShownGroup(), 0);
}

TEST_F (ControlViewsTest, APresetsModeArrivesAsynchronouslyAndShowsItsRows)
{
    PadControlView pad (engine.engine, 4);
    SwitchControlView switchView (engine.engine, 9);
    deliverPendingMessages();

    auto preset = engine.defaultPreset();
    engine.setInPreset (preset, padGroup, 4, "Mode", 3);
    engine.setInPreset (preset, switchGroup, 9, "Mode", 1);
    engine.engine->applyPreset (preset);

    // The group follows the box's notification, which has not arrived yet.
    EXPECT_EQ (pad.getShownGroup(), 0);
    deliverPendingMessages();
    EXPECT_EQ (pad.getShownGroup(), 3);
    EXPECT_EQ (pad.getModeComboBox()->getComboBox().getText(), "Program Change");
    EXPECT_EQ (switchView.getShownGroup(), 1);
}

TEST_F (ControlViewsTest, AStoredModeWithoutAnItemHidesEveryRowAndIsKept)
{
    SwitchControlView switchView (engine.engine, 0);
    auto preset = engine.defaultPreset();
    engine.setInPreset (preset, switchGroup, 0, "Mode", 3);
    engine.apply (preset);

    EXPECT_EQ (switchView.getShownGroup(), -1);
    EXPECT_EQ (switchView.getModeComboBox()->getComboBox().getSelectedId(), 0);
    EXPECT_TRUE (switchView.getModeComboBox()->isVisible());
    EXPECT_EQ (engine.stored (switchGroup, 0, "Mode"), 3);
}

TEST_F (ControlViewsTest, RowsSharingAByteShowOneValue)
{
    PadControlView pad (engine.engine, 6);
    auto preset = engine.defaultPreset();
    engine.setInPreset (preset, padGroup, 6, "Note", 77);
    engine.setInPreset (preset, padGroup, 6, "Curve", 7);
    engine.setInPreset (preset, padGroup, 6, "MIDI Channel", 15);
    engine.apply (preset);

    EXPECT_EQ (shown (row (pad, 0, "Note")), 77);
    EXPECT_EQ (shown (row (pad, 1, "CC")), 77);
    EXPECT_EQ (shown (row (pad, 3, "Program")), 77);
    EXPECT_EQ (shown (row (pad, 0, "Curve")), 8);
    EXPECT_EQ (shown (row (pad, 2, "Released")), 7);

    for (int group = 0; group < 4; ++group)
        EXPECT_EQ (shown (row (pad, group, "MIDI Channel")), 16) << group;

    // An edit reaches the rows of the other modes, so switching modes never shows a stale value.
    type (row (pad, 0, "Note"), "90");
    type (row (pad, 0, "MIDI Channel"), "3");
    EXPECT_EQ (engine.stored (padGroup, 6, "Program"), 90);
    EXPECT_EQ (engine.stored (padGroup, 6, "MIDI Channel"), 2);

    chooseMode (pad, 2);
    EXPECT_EQ (shown (row (pad, 2, "CC")), 90);
    EXPECT_EQ (shown (row (pad, 2, "MIDI Channel")), 3);
    EXPECT_EQ (shown (row (pad, 3, "Program")), 90);
}

TEST_F (ControlViewsTest, ChannelAndCurveRowsCountFromOne)
{
    KnobControlView knob (engine.engine, 0);
    type (row (knob, 0, "MIDI Channel"), "16");
    EXPECT_EQ (engine.stored (knobGroup, 0, "MIDI Channel"), 15);

    type (row (knob, 0, "MIDI Channel"), "17");
    EXPECT_EQ (engine.stored (knobGroup, 0, "MIDI Channel"), 15);
    EXPECT_EQ (shown (row (knob, 0, "MIDI Channel")), 16);

    PadControlView pad (engine.engine, 0);
    type (row (pad, 0, "Curve"), "1");
    EXPECT_EQ (engine.stored (padGroup, 0, "Curve"), 0);
}
