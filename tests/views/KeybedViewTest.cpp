#include "views/ViewTestSupport.h"

#include "model/ControlGroup.h"
#include "views/KeybedControlView.h"

#include <gtest/gtest.h>

using namespace ControlGroup;

namespace
{
juce::ComboBox& splitMode (KeybedControlView& view) { return named<juce::ComboBox> (view.getSplitSelector(), "Split Mode"); }

juce::String visibleZones (const KeybedControlView& view)
{
    juce::StringArray zones;

    for (auto* zone : view.getZoneViews())
        if (zone->isVisible())
            zones.add (zone->getZoneTitle());

    return zones.joinIntoString (", ");
}
} // namespace

TEST (KeybedViewTest, TheSplitModeChoosesThePanels)
{
    TestEngine engine;
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

    // A value the box has no item for counts as split, and is not overwritten.
    engine.applyWith (keybedGroup, 0, "Split Mode", 5);
    EXPECT_EQ (splitMode (view).getText(), "");
    EXPECT_EQ (visibleZones (view), "Lower Keybed, Upper Keybed");
    EXPECT_EQ (engine.stored (keybedGroup, 0, "Split Mode"), 5);
}

TEST (KeybedViewTest, RangesComeFromTheModel)
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
