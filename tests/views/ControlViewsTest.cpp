#include "views/ViewTestSupport.h"

#include "model/ControlGroup.h"
#include "views/KeybedControlView.h"
#include "views/KnobControlView.h"
#include "views/ModWheelView.h"
#include "views/PadControlView.h"
#include "views/PitchWheelView.h"
#include "views/RollModeControlView.h"
#include "views/SustainControlView.h"
#include "views/SwitchControlView.h"
#include "views/TransportControlView.h"
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

auto& combo (juce::Component& view, const juce::String& caption)
{
    return named<juce::ComboBox> (view, caption);
}
auto& number (juce::Component& view, const juce::String& caption)
{
    return named<NumberBox> (view, caption);
}

juce::StringArray items (juce::ComboBox& box)
{
    juce::StringArray texts;

    for (int i = 0; i < box.getNumItems(); ++i)
        texts.add (box.getItemText (i));

    return texts;
}

auto& splitMode (KeybedControlView& view)
{
    return named<juce::ComboBox> (view.getSplitSelector(), "Split Mode");
}

juce::String visibleZones (const KeybedControlView& view)
{
    juce::StringArray zones;

    for (auto* zone : view.getZoneViews())
        if (zone->isVisible())
            zones.add (zone->getZoneTitle());

    return zones.joinIntoString (", ");
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
                                 const std::vector<juce::StringArray>& rows, int numberBoxes) {
        EXPECT_EQ (items (view.getModeComboBox()->getComboBox()), modes);
        ASSERT_EQ (view.getControlGroups().size(), modes.size());

        for (int i = 0; i < modes.size(); ++i)
            EXPECT_EQ (rowNames (*view.getControlGroups()[i]), rows[(size_t) i]) << modes[i];

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

    // A stored mode without an item hides every row, and is kept.
    engine.applyWith (switchGroup, 9, "Mode", 3);
    EXPECT_EQ (switchView.getShownGroup(), -1);
    EXPECT_EQ (switchView.getModeComboBox()->getComboBox().getSelectedId(), 0);
    EXPECT_TRUE (switchView.getModeComboBox()->isVisible());
    EXPECT_EQ (engine.stored (switchGroup, 9, "Mode"), 3);
}

TEST_F (ControlViewsTest, SectionViewsOfferTheirItemsInOrderAndKeepTheirRanges)
{
    RollModeControlView rollMode (engine.engine);
    TransportControlView loop (engine.engine, 4, "Loop");
    PitchWheelView pitch (engine.engine);
    ModWheelView mod (engine.engine);
    deliverPendingMessages();

    EXPECT_EQ (items (combo (rollMode, "Time Div")),
               juce::StringArray ({ "1/4", "1/4T", "1/8", "1/8T", "1/16", "1/16T", "1/32", "1/32T" }));
    EXPECT_EQ (findAll<juce::Label> (loop)[0]->getText(), "Loop");
    EXPECT_EQ (items (combo (loop, "Function")), juce::StringArray ({ "Momentary", "Toggle" }));

    for (auto* view : { (juce::Component*) &pitch, (juce::Component*) &mod })
    {
        const auto channels = items (combo (*view, "MIDI Channel"));
        EXPECT_EQ (channels.size(), 17);
        EXPECT_EQ (channels[15], "16");
        EXPECT_EQ (channels[16], "Omni");
    }

    // Swing shows 50 to 74: the control keeps bytes 0 to 24, so 75 is not offered.
    engine.applyWith (rollModeGroup, 0, "Swing", 24);
    EXPECT_EQ (number (rollMode, "Swing").getValue(), 74.0);
    typeText (number (rollMode, "Swing"), "50");
    EXPECT_EQ (engine.stored (rollModeGroup, 0, "Swing"), 0);
    typeText (number (rollMode, "Swing"), "75");
    EXPECT_EQ (engine.stored (rollModeGroup, 0, "Swing"), 0);
    EXPECT_EQ (number (rollMode, "Swing").getValue(), 50.0);

    // A wheel's Min may lie above its Max.
    typeText (number (mod, "Max"), "10");
    typeText (number (mod, "Min"), "100");
    EXPECT_EQ (engine.stored (wheelsGroup, 0, "Mod Wheel Min"), 100);
    EXPECT_EQ (engine.stored (wheelsGroup, 0, "Mod Wheel Max"), 10);
}

TEST_F (ControlViewsTest, TheKeybedsSplitModeChoosesItsPanels)
{
    KeybedControlView view (engine.engine);

    // Nothing shows until the split mode box's first notification.
    EXPECT_EQ (visibleZones (view), "");

    engine.applyWith (keybedGroup, 0, "Split Mode", 1);
    EXPECT_EQ (visibleZones (view), "Keybed");

    for (const auto& [itemId, zones] : { std::pair (1, "Lower Keybed, Upper Keybed"), std::pair (2, "Keybed") })
    {
        splitMode (view).setSelectedId (itemId);
        deliverPendingMessages();
        EXPECT_EQ (visibleZones (view), zones);
        EXPECT_EQ (engine.stored (keybedGroup, 0, "Split Mode"), itemId - 1);
    }

    // Side by side, the two panels line up.
    EXPECT_EQ (view.getZoneViews()[1]->getY(), view.getZoneViews()[2]->getY());

    // A value the box has no item for counts as split, and is not overwritten.
    engine.applyWith (keybedGroup, 0, "Split Mode", 5);
    EXPECT_EQ (splitMode (view).getText(), "");
    EXPECT_EQ (visibleZones (view), "Lower Keybed, Upper Keybed");
    EXPECT_EQ (engine.stored (keybedGroup, 0, "Split Mode"), 5);
}

TEST (KeybedView, RangesComeFromTheModel)
{
    auto constants = ModelConstants::qx61();
    constants.numKeys = 49;
    constants.maxKeybedOctave = 7;
    TestEngine engine (constants);
    KeybedControlView view (engine.engine);

    auto& splitPoint = named<NumberBox> (view.getSplitSelector(), "Split Point");
    EXPECT_EQ (splitPoint.getMinimum(), 1.0);
    EXPECT_EQ (splitPoint.getMaximum(), 49.0);

    for (auto* zone : view.getZoneViews())
        EXPECT_EQ (named<NumberBox> (*zone, "Octave").getMaximum(), 7.0);

    // Typing beyond the range is refused; the last key is accepted.
    typeText (splitPoint, "50");
    EXPECT_NE (engine.stored (keybedGroup, 0, "Split Point"), 49);
    typeText (splitPoint, "49");
    EXPECT_EQ (engine.stored (keybedGroup, 0, "Split Point"), 48);
}
