#include "views/ViewTestSupport.h"

#include "model/controls/ControlGroup.h"
#include "views/controls/KeybedControlView.h"
#include "views/controls/KnobControlView.h"
#include "views/controls/PadControlView.h"
#include "views/controls/SwitchControlView.h"
#include "widgets/bound/DoubleParameterControllerComboBox.h"

#include <gtest/gtest.h>

using namespace ControlGroup;

namespace
{
void chooseMode (GenericControlView& view, int itemId)
{
    view.getModeComboBox()->getComboBox().setSelectedId (itemId);
    deliverPendingMessages();
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

TEST_F (ControlViewsTest, TheKeybedsSplitModeChoosesItsPanels)
{
    KeybedControlView view (engine.engine);
    auto& splitMode = named<juce::ComboBox> (view.getSplitSelector(), "Split Mode");

    // Nothing shows until the split mode box's first notification.
    EXPECT_EQ (visibleZones (view), "");

    engine.applyWith (keybedGroup, 0, "Split Mode", 1);
    EXPECT_EQ (visibleZones (view), "Keybed");

    for (const auto& [itemId, zones] : { std::pair (1, "Lower Keybed, Upper Keybed"), std::pair (2, "Keybed") })
    {
        splitMode.setSelectedId (itemId);
        deliverPendingMessages();
        EXPECT_EQ (visibleZones (view), zones);
        EXPECT_EQ (engine.stored (keybedGroup, 0, "Split Mode"), itemId - 1);
    }

    // Side by side, the two panels line up.
    EXPECT_EQ (view.getZoneViews()[1]->getY(), view.getZoneViews()[2]->getY());

    // A value the box has no item for counts as split, and is not overwritten.
    engine.applyWith (keybedGroup, 0, "Split Mode", 5);
    EXPECT_EQ (splitMode.getText(), "");
    EXPECT_EQ (visibleZones (view), "Lower Keybed, Upper Keybed");
    EXPECT_EQ (engine.stored (keybedGroup, 0, "Split Mode"), 5);
}
