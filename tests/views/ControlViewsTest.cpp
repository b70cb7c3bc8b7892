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

void chooseMode (GenericControlView& view, int itemId)
{
    view.getModeComboBox()->getComboBox().setSelectedId (itemId);
    deliverPendingMessages();
}

class ControlViewsTest : public ::testing::Test
{
protected:
    void SetUp() override { engine.apply (engine.defaultPreset()); }

    TestEngine engine;
};
} // namespace

TEST_F (ControlViewsTest, EachKindHasItsModesAndRows)
{
    KnobControlView knob (engine.engine, 0);
    PadControlView pad (engine.engine, 11);
    SwitchControlView switchView (engine.engine, 47);
    EXPECT_EQ (knob.getTitle(), "Knob 1");
    EXPECT_EQ (pad.getTitle(), "Pad 12");
    EXPECT_EQ (switchView.getTitle(), "Switch 48");

    const auto expectModes = [] (GenericControlView& view, const juce::StringArray& modes,
                                 const std::vector<juce::StringArray>& rows, int numberBoxes)
    {
        auto& comboBox = view.getModeComboBox()->getComboBox();
        ASSERT_EQ (comboBox.getNumItems(), modes.size());
        ASSERT_EQ (view.getControlGroups().size(), modes.size());

        for (int i = 0; i < modes.size(); ++i)
        {
            EXPECT_EQ (comboBox.getItemText (i), modes[i]);
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
}

TEST_F (ControlViewsTest, TheRowsShownFollowTheModeChosenOrAppliedLater)
{
    KnobControlView knob (engine.engine, 2);
    PadControlView pad (engine.engine, 4);
    SwitchControlView switchView (engine.engine, 9);
    deliverPendingMessages();
    EXPECT_EQ (knob.getShownGroup(), 0);

    chooseMode (knob, 2);
    EXPECT_EQ (engine.stored (knobGroup, 2, "Mode"), 1);
    EXPECT_EQ (knob.getShownGroup(), 1);
    chooseMode (knob, 1);
    EXPECT_EQ (knob.getShownGroup(), 0);

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
    engine.applyWith (switchGroup, 0, "Mode", 3);

    EXPECT_EQ (switchView.getShownGroup(), -1);
    EXPECT_EQ (switchView.getModeComboBox()->getComboBox().getSelectedId(), 0);
    EXPECT_TRUE (switchView.getModeComboBox()->isVisible());
    EXPECT_EQ (engine.stored (switchGroup, 0, "Mode"), 3);
}
