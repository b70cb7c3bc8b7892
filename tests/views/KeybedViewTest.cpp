#include "views/ViewTestSupport.h"

#include "model/ControlGroup.h"
#include "views/KeybedControlView.h"
#include "widgets/SingleParameterControllerComboBox.h"
#include "widgets/SingleParameterControllerNumberBox.h"

#include <gtest/gtest.h>

using namespace ControlGroup;

namespace
{
using Box = SingleParameterControllerNumberBox;

Box& box (juce::Component& panel, const juce::String& caption)
{
    auto* found = findNamed<NumberBox> (panel, caption);
    jassert (found != nullptr);
    return *dynamic_cast<Box*> (found->getParentComponent());
}

juce::ComboBox& splitMode (KeybedControlView& view)
{
    return *findNamed<juce::ComboBox> (view.getSplitSelector(), "Split Mode");
}

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
    ViewTestEngine engine;
    KeybedControlView view (engine.engine);

    // Nothing shows until the split mode box's first notification.
    EXPECT_EQ (visibleZones (view), "");

    auto preset = engine.defaultPreset();
    engine.setInPreset (preset, keybedGroup, 0, "Split Mode", 1);
    engine.apply (preset);
    EXPECT_EQ (visibleZones (view), "Keybed");

    splitMode (view).setSelectedId (1);
    deliverPendingMessages();
    EXPECT_EQ (visibleZones (view), "Lower Keybed, Upper Keybed");
    EXPECT_EQ (engine.stored (keybedGroup, 0, "Split Mode"), 0);

    splitMode (view).setSelectedId (2);
    deliverPendingMessages();
    EXPECT_EQ (visibleZones (view), "Keybed");
    EXPECT_EQ (engine.stored (keybedGroup, 0, "Split Mode"), 1);

    // A value the box has no item for counts as split, and is not overwritten.
    engine.setInPreset (preset, keybedGroup, 0, "Split Mode", 5);
    engine.apply (preset);
    EXPECT_EQ (splitMode (view).getText(), "");
    EXPECT_EQ (visibleZones (view), "Lower Keybed, Upper Keybed");
    EXPECT_EQ (engine.stored (keybedGroup, 0, "Split Mode"), 5);
}

TEST (KeybedViewTest, RangesComeFromTheModel)
{
    auto constants = ModelConstants::qx61();
    constants.numKeys = 49;
    constants.maxKeybedOctave = 7;
    ViewTestEngine engine (constants);
    KeybedControlView view (engine.engine);

    auto& splitPoint = box (view.getSplitSelector(), "Split Point").getNumberBox();
    EXPECT_EQ (splitPoint.getMinimum(), 1.0);
    EXPECT_EQ (splitPoint.getMaximum(), 49.0);

    for (auto* zone : view.getZoneViews())
        EXPECT_EQ (box (*zone, "Octave").getNumberBox().getMaximum(), 7.0);

    // Typing beyond the range is refused; the last key is accepted.
    auto& split = box (view.getSplitSelector(), "Split Point");
    typeText (split.getNumberBox(), "50");
    EXPECT_NE (engine.stored (keybedGroup, 0, "Split Point"), 49);
    typeText (split.getNumberBox(), "49");
    EXPECT_EQ (engine.stored (keybedGroup, 0, "Split Point"), 48);
}
