#include "views/ViewTestSupport.h"

#include "model/ControlGroup.h"
#include "views/ModWheelView.h"
#include "views/PitchWheelView.h"
#include "views/RollModeControlView.h"
#include "views/SustainControlView.h"
#include "views/TransportControlView.h"

#include <gtest/gtest.h>

using namespace ControlGroup;

namespace
{
juce::ComboBox& combo (juce::Component& view, const juce::String& caption) { return named<juce::ComboBox> (view, caption); }
NumberBox& number (juce::Component& view, const juce::String& caption) { return named<NumberBox> (view, caption); }

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

    TestEngine engine;
};
} // namespace

TEST_F (SectionViewsTest, RollModeRowsShowAndStoreTheirOwnValues)
{
    RollModeControlView view (engine.engine);
    deliverPendingMessages();

    EXPECT_EQ (items (combo (view, "Time Div")),
               juce::StringArray ({ "1/4", "1/4T", "1/8", "1/8T", "1/16", "1/16T", "1/32", "1/32T" }));

    // Swing shows 50 to 74: the control keeps bytes 0 to 24, so 75 is not offered.
    engine.applyWith (rollModeGroup, 0, "Swing", 24);
    EXPECT_EQ (number (view, "Swing").getValue(), 74.0);
    typeText (number (view, "Swing"), "50");
    EXPECT_EQ (engine.stored (rollModeGroup, 0, "Swing"), 0);
    typeText (number (view, "Swing"), "75");
    EXPECT_EQ (engine.stored (rollModeGroup, 0, "Swing"), 0);
    EXPECT_EQ (number (view, "Swing").getValue(), 50.0);
}

TEST_F (SectionViewsTest, TransportButtonsListMomentaryFirst)
{
    TransportControlView loop (engine.engine, 4, "Loop");
    EXPECT_EQ (findAll<juce::Label> (loop)[0]->getText(), "Loop");
    EXPECT_EQ (items (combo (loop, "Function")), juce::StringArray ({ "Momentary", "Toggle" }));
}

TEST_F (SectionViewsTest, WheelChannelsOfferOmniAndMinMayLieAboveMax)
{
    PitchWheelView pitch (engine.engine);
    ModWheelView mod (engine.engine);
    deliverPendingMessages();

    for (auto* view : { (juce::Component*) &pitch, (juce::Component*) &mod })
    {
        const auto channels = items (combo (*view, "MIDI Channel"));
        EXPECT_EQ (channels.size(), 17);
        EXPECT_EQ (channels[15], "16");
        EXPECT_EQ (channels[16], "Omni");
    }

    // Min may lie above Max.
    typeText (number (mod, "Max"), "10");
    typeText (number (mod, "Min"), "100");
    EXPECT_EQ (engine.stored (wheelsGroup, 0, "Mod Wheel Min"), 100);
    EXPECT_EQ (engine.stored (wheelsGroup, 0, "Mod Wheel Max"), 10);
}
