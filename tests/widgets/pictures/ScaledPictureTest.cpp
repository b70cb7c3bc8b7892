#include "widgets/pictures/PictureButton.h"
#include "widgets/pictures/PictureComponent.h"

#include <gtest/gtest.h>

namespace
{
juce::Image solid (juce::Colour colour, int scale)
{
    juce::Image image (juce::Image::ARGB, 10 * scale, 6 * scale, false);
    image.clear (image.getBounds(), colour);
    return image;
}

/** A picture whose 2× rendering is another colour, so a drawing shows which was drawn. */
ScaledPicture twoColoured (juce::Colour normal, juce::Colour doubled)
{
    return { solid (normal, 1), [doubled] { return solid (doubled, 2); } };
}
} // namespace

// Laid out at 100 %, drawn from the 2× rendering wherever the screen is scaled above 100 %.
TEST (ScaledPicture, ComponentsAndButtonsDrawTheDoubledRenderingAboveOneToOne)
{
    namespace Colours = juce::Colours;
    PictureComponent shown, withoutDoubled;
    shown.setPicture (twoColoured (Colours::red, Colours::blue));
    withoutDoubled.setPicture ({ solid (Colours::red, 1), nullptr });
    PictureButton button ("Button");
    const auto normal = twoColoured (Colours::red, Colours::blue);
    button.setPictures (normal, normal, twoColoured (Colours::yellow, Colours::green));

    struct Case
    {
        juce::Component& component;
        bool toggled;
        float scale;
        juce::Colour expected;
    } const cases[] = { { shown, false, 1.0f, Colours::red },   { shown, false, 1.25f, Colours::blue },
                        { button, false, 2.0f, Colours::blue }, { button, true, 1.0f, Colours::yellow },
                        { button, true, 1.5f, Colours::green }, { withoutDoubled, false, 2.0f, Colours::red } };

    for (const auto& c : cases)
    {
        EXPECT_EQ (c.component.getBounds(), juce::Rectangle<int> (0, 0, 10, 6));
        button.setToggleState (c.toggled, juce::dontSendNotification);
        const auto drawn = c.component.createComponentSnapshot (c.component.getLocalBounds(), true, c.scale);
        EXPECT_EQ (drawn.getPixelAt (drawn.getWidth() / 2, drawn.getHeight() / 2), c.expected)
            << c.component.getName() << " toggled " << c.toggled << " at " << c.scale;
    }
}
