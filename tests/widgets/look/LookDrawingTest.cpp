#include "widgets/WidgetTestSupport.h"
#include "widgets/boxes/ControlToMidiTextButton.h"
#include "widgets/look/CustomLook.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
const juce::Colour accent { 0xFF117FC6 };

juce::Image draw (int width, int height, const std::function<void (juce::Graphics&)>& painter)
{
    juce::Image image (juce::Image::ARGB, width, height, true);
    juce::Graphics g (image);
    painter (g);
    return image;
}

juce::Image render (juce::Component& component)
{
    return draw (component.getWidth(), component.getHeight(),
                 [&component] (juce::Graphics& g) { component.paintEntireComponent (g, false); });
}

bool isWhite (juce::Colour c)
{
    return c.getAlpha() > 240 && (c.getARGB() & 0xFFFFFF) == 0xFFFFFF;
}

bool isBlueish (juce::Colour c)
{
    return c.getAlpha() > 0 && c.getBlue() > c.getRed() + 60;
}

/** The bounding box of every pixel that is not transparent. */
juce::Rectangle<int> inkBounds (const juce::Image& image)
{
    juce::Rectangle<int> bounds;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (image.getPixelAt (x, y).getAlpha() > 0)
                bounds = bounds.isEmpty() ? juce::Rectangle<int> (x, y, 1, 1) : bounds.getUnion ({ x, y, 1, 1 });
    return bounds;
}

int countPixels (const juce::Image& image, juce::Rectangle<int> area, const std::function<bool (juce::Colour)>& matches)
{
    int count = 0;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            count += matches (image.getPixelAt (x, y)) ? 1 : 0;
    return count;
}

/** How many pixels of the whole image are more opaque than the threshold. */
int countAlphaAbove (const juce::Image& image, int threshold)
{
    return countPixels (image, image.getBounds(), [threshold] (juce::Colour c) { return c.getAlpha() > threshold; });
}

struct LookDrawingTest : ::testing::Test
{
    // The look outlives every component of a test, so none needs to let go of it.
    template <typename ComponentType>
    ComponentType& styledWith (ComponentType& component)
    {
        component.setLookAndFeel (&look);
        return component;
    }

    CustomLook look;
};
} // namespace

TEST_F (LookDrawingTest, ComboBoxesAreWhiteWithASmallArrowAndOutlinedWhenFocused)
{
    juce::ComboBox box;
    styledWith (box).setSize (100, 18);
    box.setColour (juce::ComboBox::arrowColourId, accent);
    box.setWantsKeyboardFocus (true);
    WidgetTestSupport::OnDesktop desktop (box);
    const auto drawBox = [&] {
        return draw (100, 18, [&] (juce::Graphics& g) { look.drawComboBox (g, 100, 18, false, 0, 0, 0, 0, box); });
    };

    box.giveAwayKeyboardFocus();
    const auto image = drawBox();

    // The triangle (90, 13), (95, 9), (85, 9) points down; the edge (2, 9) is white.
    EXPECT_EQ (image.getPixelAt (90, 10), accent);

    for (const auto& white : { juce::Point (90, 15), { 84, 10 }, { 50, 9 }, { 90, 5 }, { 2, 9 } })
        EXPECT_EQ (image.getPixelAt (white.x, white.y), juce::Colours::white) << white.toString();

    box.grabKeyboardFocus();
    ASSERT_TRUE (box.hasKeyboardFocus (false));
    EXPECT_EQ (drawBox().getPixelAt (2, 9), accent);

    // A choice longer than the box is still drawn, squeezed left of the arrow.
    box.addItem ("Program Change Program Change", 1);
    box.setSelectedId (1, juce::dontSendNotification);
    EXPECT_GT (countPixels (render (box), { 2, 2, 78, 14 }, [] (juce::Colour c) { return c.getBrightness() < 0.5f; }),
               20);
}

TEST_F (LookDrawingTest, LabelsDrawLeftAlignedOnOneLineWithAnEllipsisAndDisabledAtHalfAlpha)
{
    juce::Label label ({}, "Pitch Wheel MIDI Channel Caption");
    styledWith (label).setSize (80, 40);
    label.setJustificationType (juce::Justification::centred);
    label.setColour (juce::Label::textColourId, juce::Colours::white);

    const auto image = render (label);
    const auto ink = inkBounds (image);

    // Left-aligned despite the centred justification, running to the edge on one centred line.
    EXPECT_LT (ink.getX(), 6);
    EXPECT_GT (ink.getRight(), 70);
    EXPECT_TRUE (ink.getY() > 8 && ink.getHeight() < 20) << ink.toString();

    // The last glyphs are the ellipsis dots: nothing in the rightmost columns reaches the top
    // half of the line.
    const juce::Rectangle<int> rightmostTopHalf { ink.getRight() - 3, ink.getY(), 3, ink.getCentreY() - ink.getY() };
    EXPECT_EQ (countPixels (image, rightmostTopHalf, [] (juce::Colour c) { return c.getAlpha() > 0; }), 0);

    label.setText ("Mode", juce::dontSendNotification);
    EXPECT_GT (countAlphaAbove (render (label), 240), 0);
    label.setEnabled (false);
    EXPECT_GT (countAlphaAbove (render (label), 100), 0);
    EXPECT_EQ (countAlphaAbove (render (label), 134), 0);
}

TEST (MidiToDinButtonLook, OnIsAFilledWhiteBoxAndOffAWhiteOutline)
{
    ControlToMidiTextButton widget ("Knobs Midi To DIN", nullptr);
    auto& button = widget.getButton();

    widget.setValue (1);
    EXPECT_EQ (button.getButtonText(), "ON");
    auto image = render (button);
    EXPECT_TRUE (isWhite (image.getPixelAt (19, 6)) && isWhite (image.getPixelAt (10, 0)));
    EXPECT_GT (countPixels (image, { 0, 0, 20, 12 }, isBlueish), 0);

    widget.setValue (0);
    EXPECT_EQ (button.getButtonText(), "OFF");
    image = render (button);
    for (const auto& frame : { juce::Point (0, 6), { 19, 6 }, { 10, 11 } })
        EXPECT_TRUE (isWhite (image.getPixelAt (frame.x, frame.y))) << frame.toString();
    const juce::Rectangle<int> inside { 1, 1, 18, 10 };
    EXPECT_EQ (countPixels (image, inside, isBlueish), 0);
    EXPECT_GT (countPixels (image, inside, [] (juce::Colour c) { return c.getAlpha() == 0; }), 60);

    // "OFF" fits inside the frame: nothing of it touches the column next to the right edge.
    EXPECT_EQ (countPixels (image, { 18, 2, 1, 8 }, isWhite), 0);
}
