#include "views/ViewTestSupport.h"

#include "model/ControlGroup.h"
#include "views/ModWheelView.h"
#include "views/PitchWheelView.h"
#include "views/RollModeControlView.h"
#include "views/SustainControlView.h"
#include "views/TransportControlView.h"
#include "widgets/ControlToMidiControllerButton.h"
#include "widgets/NumberBox.h"
#include "widgets/ParameterController.h"

#include <gtest/gtest.h>

using namespace ControlGroup;

namespace
{
juce::ComboBox& combo (juce::Component& view, const juce::String& caption)
{
    auto* found = findNamed<juce::ComboBox> (view, caption);
    jassert (found != nullptr);
    return *found;
}

NumberBox& number (juce::Component& view, const juce::String& caption)
{
    auto* found = findNamed<NumberBox> (view, caption);
    jassert (found != nullptr);
    return *found;
}

juce::String boundName (juce::Component& widgetPart)
{
    return dynamic_cast<ParameterController&> (*widgetPart.getParentComponent()).parameterName;
}

void type (NumberBox& box, const juce::String& text)
{
    box.showEditor();
    box.getCurrentTextEditor()->setText (text, false);
    box.hideEditor (false);
}

juce::StringArray items (juce::ComboBox& box)
{
    juce::StringArray texts;

    for (int i = 0; i < box.getNumItems(); ++i)
        texts.add (box.getItemText (i));

    return texts;
}

class SectionViewsTest : public ::testing::Test
{
protected:
    void SetUp() override { engine.apply (engine.defaultPreset()); }

    void applyWith (int groupId, int index, const juce::String& name, juce::uint8 value)
    {
        auto preset = engine.defaultPreset();
        engine.setInPreset (preset, groupId, index, name, value);
        engine.apply (preset);
    }

    ViewTestEngine engine;
};
} // namespace

TEST_F (SectionViewsTest, RollModeRowsShowAndStoreTheirOwnValues)
{
    RollModeControlView view (engine.engine);
    deliverPendingMessages();

    EXPECT_EQ (items (combo (view, "Function")), juce::StringArray ({ "Toggle", "Momentary" }));
    EXPECT_EQ (items (combo (view, "Time Div")),
               juce::StringArray ({ "1/4", "1/4T", "1/8", "1/8T", "1/16", "1/16T", "1/32", "1/32T" }));
    EXPECT_EQ (combo (view, "Function").getParentComponent()->getBounds(), juce::Rectangle<int> (0, 30, 200, 20));
    EXPECT_EQ (number (view, "Swing").getParentComponent()->getBounds(), juce::Rectangle<int> (0, 105, 200, 20));

    applyWith (rollModeGroup, 0, "Time Div", 3);
    EXPECT_EQ (combo (view, "Time Div").getText(), "1/8T");
    combo (view, "Time Div").setSelectedId (8);
    deliverPendingMessages();
    EXPECT_EQ (engine.stored (rollModeGroup, 0, "Time Div"), 7);

    applyWith (rollModeGroup, 0, "Gate", 98);
    EXPECT_EQ (number (view, "Gate").getValue(), 99.0);

    // Swing shows 50 to 74: the control keeps bytes 0 to 24, so 75 is not offered.
    applyWith (rollModeGroup, 0, "Swing", 24);
    EXPECT_EQ (number (view, "Swing").getValue(), 74.0);
    EXPECT_EQ (number (view, "Swing").getMaximum(), 74.0);
    type (number (view, "Swing"), "50");
    EXPECT_EQ (engine.stored (rollModeGroup, 0, "Swing"), 0);
    type (number (view, "Swing"), "75");
    EXPECT_EQ (engine.stored (rollModeGroup, 0, "Swing"), 0);
    EXPECT_EQ (number (view, "Swing").getValue(), 50.0);
}

TEST_F (SectionViewsTest, SustainRowsShowTheChannelFromOneAndTheRestAsStored)
{
    SustainControlView view (engine.engine);
    applyWith (sustainGroup, 0, "MIDI Channel", 0);
    EXPECT_EQ (number (view, "MIDI Channel").getValue(), 1.0);

    for (const auto& name : { "CC", "Pressed", "Released" })
    {
        applyWith (sustainGroup, 0, name, 101);
        EXPECT_EQ (number (view, name).getValue(), 101.0) << name;
        type (number (view, name), "7");
        EXPECT_EQ (engine.stored (sustainGroup, 0, name), 7) << name;
    }

    EXPECT_EQ (number (view, "Released").getParentComponent()->getBounds(), juce::Rectangle<int> (0, 111, 200, 22));
}

TEST_F (SectionViewsTest, TransportButtonsListMomentaryFirst)
{
    TransportControlView loop (engine.engine, 4, "Loop");
    applyWith (transportGroup, 4, "Function", 0);

    EXPECT_EQ (findAll<juce::Label> (loop)[0]->getText(), "Loop");
    EXPECT_EQ (items (combo (loop, "Function")), juce::StringArray ({ "Momentary", "Toggle" }));
    EXPECT_EQ (combo (loop, "Function").getText(), "Momentary");
    EXPECT_EQ (number (loop, "CC").getParentComponent()->getBounds(), juce::Rectangle<int> (0, 57, 200, 22));
}

TEST_F (SectionViewsTest, WheelViewsAreBoundToTheirOwnParameters)
{
    PitchWheelView pitch (engine.engine);
    ModWheelView mod (engine.engine);
    deliverPendingMessages();

    EXPECT_EQ (boundName (combo (pitch, "MIDI Channel")), "Pitch Wheel MIDI Channel");
    EXPECT_EQ (boundName (combo (mod, "MIDI Channel")), "Mod Wheel MIDI Channel");
    EXPECT_EQ (boundName (number (mod, "CC")), "Mod Wheel CC");
    EXPECT_EQ (boundName (number (mod, "Min")), "Mod Wheel Min");
    EXPECT_EQ (boundName (number (mod, "Max")), "Mod Wheel Max");
    EXPECT_EQ (findAll<ControlToMidiControllerButton> (pitch)[0]->parameterName, "Pitch Wheel Midi To DIN");
    EXPECT_EQ (findAll<ControlToMidiControllerButton> (mod)[0]->parameterName, "Mod Wheel Midi To DIN");

    auto& pitchChannel = combo (pitch, "MIDI Channel");
    EXPECT_EQ (pitchChannel.getNumItems(), 17);
    EXPECT_EQ (pitchChannel.getItemText (0), "1");
    EXPECT_EQ (pitchChannel.getItemText (16), "Omni");

    applyWith (wheelsGroup, 0, "Pitch Wheel MIDI Channel", 16);
    EXPECT_EQ (pitchChannel.getText(), "Omni");
    applyWith (wheelsGroup, 0, "Pitch Wheel MIDI Channel", 15);
    EXPECT_EQ (pitchChannel.getText(), "16");

    // The two channel boxes are different parameters of the same control.
    combo (mod, "MIDI Channel").setSelectedId (17);
    deliverPendingMessages();
    EXPECT_EQ (engine.stored (wheelsGroup, 0, "Mod Wheel MIDI Channel"), 16);
    EXPECT_EQ (engine.stored (wheelsGroup, 0, "Pitch Wheel MIDI Channel"), 15);

    // Min may lie above Max.
    type (number (mod, "Max"), "10");
    type (number (mod, "Min"), "100");
    EXPECT_EQ (engine.stored (wheelsGroup, 0, "Mod Wheel Min"), 100);
    EXPECT_EQ (engine.stored (wheelsGroup, 0, "Mod Wheel Max"), 10);

    EXPECT_EQ (pitchChannel.getParentComponent()->getBounds(), juce::Rectangle<int> (0, 30, 200, 18));
    EXPECT_EQ (findAll<ControlToMidiControllerButton> (pitch)[0]->getBounds(), juce::Rectangle<int> (100, 53, 100, 12));
    EXPECT_EQ (number (mod, "Max").getParentComponent()->getBounds(), juce::Rectangle<int> (0, 99, 200, 18));
    EXPECT_EQ (findAll<ControlToMidiControllerButton> (mod)[0]->getBounds(), juce::Rectangle<int> (100, 122, 100, 12));
}
