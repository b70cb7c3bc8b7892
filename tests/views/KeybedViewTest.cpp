#include "views/ViewTestSupport.h"

#include "model/ControlGroup.h"
#include "views/KeybedControlView.h"
#include "widgets/ControlToMidiControllerButton.h"
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

void type (Box& target, const juce::String& text)
{
    auto& numberBox = target.getNumberBox();
    numberBox.showEditor();
    numberBox.getCurrentTextEditor()->setText (text, false);
    numberBox.hideEditor (false);
}
} // namespace

TEST (KeybedViewTest, LaysOutTheSplitPanelAndTheZones)
{
    ViewTestEngine engine;
    KeybedControlView view (engine.engine);

    EXPECT_EQ (view.getBounds(), juce::Rectangle<int> (0, 0, 1200, 300));
    EXPECT_EQ (view.getSplitSelector().getBounds(), juce::Rectangle<int> (40, 10, 200, 300));
    EXPECT_EQ (findAll<juce::ImageComponent> (view)[0]->getBounds(), juce::Rectangle<int> (250, 15, 3, 191));
    EXPECT_EQ (view.getZoneViews()[0]->getBounds(), juce::Rectangle<int> (258, 10, 300, 200));
    EXPECT_EQ (view.getZoneViews()[1]->getBounds(), juce::Rectangle<int> (258, 10, 300, 200));
    EXPECT_EQ (view.getZoneViews()[2]->getBounds(), juce::Rectangle<int> (563, 15, 300, 200));

    auto& lower = *view.getZoneViews()[1];
    EXPECT_EQ (box (lower, "Curve").getBounds(), juce::Rectangle<int> (0, 111, 200, 22));
    EXPECT_EQ (findAll<ControlToMidiControllerButton> (lower)[0]->getBounds(),
               juce::Rectangle<int> (100, 138, 100, 12));
    EXPECT_EQ (box (view.getSplitSelector(), "Split Point").getBounds(), juce::Rectangle<int> (0, 57, 200, 22));
}

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

TEST (KeybedViewTest, ShowsStoredBytesWithTheirOffsets)
{
    ViewTestEngine engine;
    KeybedControlView view (engine.engine);
    auto preset = engine.defaultPreset();
    engine.setInPreset (preset, keybedGroup, 0, "Split Point", 60);
    engine.setInPreset (preset, keybedGroup, 0, "Upper Keybed Transpose", 24);
    engine.setInPreset (preset, keybedGroup, 0, "Upper Keybed Curve", 8);
    engine.setInPreset (preset, keybedGroup, 0, "Keybed Transpose", 12);
    engine.apply (preset);

    EXPECT_EQ (box (view.getSplitSelector(), "Split Point").getNumberBox().getText(), "61");
    EXPECT_EQ (box (*view.getZoneViews()[2], "Transpose").getNumberBox().getText(), "12");
    EXPECT_EQ (box (*view.getZoneViews()[0], "Transpose").getNumberBox().getText(), "0");

    // The model allows curve byte 8, beyond the box's 1-8: it is shown, never left stale.
    EXPECT_EQ (box (*view.getZoneViews()[2], "Curve").getNumberBox().getText(), "9");
    EXPECT_EQ (engine.stored (keybedGroup, 0, "Upper Keybed Curve"), 8);

    // Captions stay short while the names are the zone's own.
    EXPECT_EQ (box (*view.getZoneViews()[1], "MIDI Channel").parameterName, "Lower Keybed MIDI Channel");
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
    type (split, "50");
    EXPECT_NE (engine.stored (keybedGroup, 0, "Split Point"), 49);
    type (split, "49");
    EXPECT_EQ (engine.stored (keybedGroup, 0, "Split Point"), 48);
}
