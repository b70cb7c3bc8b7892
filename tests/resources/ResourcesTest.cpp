#include "views/ViewImages.h"

#include <QXResources.h>

#include <gtest/gtest.h>
#include <juce_graphics/juce_graphics.h>

#include <map>

namespace
{
using Sizes = std::map<juce::String, juce::Point<int>>; // file name -> width and height

const juce::StringArray threeStates { "normal", "over", "down" };

// Every picture the program places, with the size its layout relies on.
Sizes expectedPictures()
{
    Sizes sizes { { "keyboard-background.png", { 1200, 700 } },
                  { "product-picture.png", { 1150, 286 } },
                  { "keybed-divider.png", { 3, 191 } },
                  { "device-setup-background.png", { 360, 425 } },
                  { "device-list-frame.png", { 327, 141 } },
                  { "about-picture.png", { 484, 267 } },
                  { "program-icon.png", { 64, 64 } } };

    const auto add = [&sizes] (const juce::String& stem, const juce::StringArray& states, juce::Point<int> size) {
        for (const auto& state : states)
            sizes[stem + "-" + state + ".png"] = size;
    };

    for (juce::String tab :
         { "main", "knobs", "switches", "pads", "roll-mode", "transport", "keybed", "wheels", "sustain" })
        add ("tab-" + tab, threeStates, { tab == "main" || tab == "sustain" ? 138 : 132, 40 });

    const Sizes selectors { { "pads", { 154, 153 } },   { "knobs", { 503, 16 } },     { "keybed", { 957, 167 } },
                            { "wheels", { 63, 85 } },   { "transport", { 152, 35 } }, { "roll-mode", { 23, 15 } },
                            { "switches", { 511, 56 } } };

    for (const auto& [name, size] : selectors)
        add ("selector-" + name, threeStates, size);

    for (juce::String button : { "get-from-hardware", "send-to-hardware", "save-to-file", "load-from-file" })
        add ("main-" + button, { "normal", "over" }, { 249, 35 });

    for (juce::String direction : { "left", "right" })
        add ("bank-arrow-" + direction, threeStates, { 17, 26 });

    return sizes;
}

const auto decode = &ViewImages::findResource; // a missing picture decodes as 0 by 0

int countVisiblePixels (const juce::Image& image)
{
    int visible = 0;

    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            visible += image.getPixelAt (x, y).getAlpha() > 0 ? 1 : 0;

    return visible;
}
} // namespace

TEST (Resources, EveryPictureIsBuiltInAndDecodesAtItsLayoutSize)
{
    const auto expected = expectedPictures();

    for (const auto& [name, size] : expected)
    {
        const auto image = decode (name);
        EXPECT_EQ (juce::Point<int> (image.getWidth(), image.getHeight()), size) << name;
    }

    // A picture nobody places is dead weight in the program, or a misspelt file name.
    for (int i = 0; i < QXResources::namedResourceListSize; ++i)
    {
        const juce::String file (QXResources::originalFilenames[i]);
        EXPECT_TRUE (! file.endsWith (".png") || expected.count (file) == 1) << file;
    }
}

TEST (Resources, SelectorOverlaysAndBankArrowsShowTheirStates)
{
    const auto centre = [] (const juce::Image& image) {
        return image.getPixelAt (image.getWidth() / 2, image.getHeight() / 2);
    };

    for (juce::String selector : { "pads", "knobs", "keybed", "wheels", "transport", "roll-mode", "switches" })
    {
        const auto over = decode ("selector-" + selector + "-over.png");
        const auto down = decode ("selector-" + selector + "-down.png");

        EXPECT_EQ (countVisiblePixels (decode ("selector-" + selector + "-normal.png")), 0) << selector;
        EXPECT_TRUE (countVisiblePixels (over) > 0 && countVisiblePixels (down) > 0) << selector;
        // The selected section must be told apart from the one under the mouse.
        EXPECT_NE (centre (over).getARGB(), centre (down).getARGB()) << selector;
    }

    // Bank arrows are white, grey when hovered and outlined when pressed, and point their way.
    for (juce::String direction : { "left", "right" })
    {
        const auto normal = decode ("bank-arrow-" + direction + "-normal.png");
        const auto down = decode ("bank-arrow-" + direction + "-down.png");
        const int midY = normal.getHeight() / 2, tipX = direction == "right" ? 13 : 3;

        EXPECT_EQ (normal.getPixelAt (8, midY), juce::Colours::white) << direction;
        EXPECT_EQ (decode ("bank-arrow-" + direction + "-over.png").getPixelAt (8, midY), juce::Colour (0xFFD3D3D3));
        EXPECT_TRUE (down.getPixelAt (8, midY).getAlpha() == 0 && countVisiblePixels (down) > 0) << direction;
        EXPECT_TRUE (normal.getPixelAt (tipX, midY).getAlpha() > 0 && normal.getPixelAt (tipX, 4).getAlpha() == 0
                     && normal.getPixelAt (16 - tipX, 4).getAlpha() > 0)
            << direction;
    }
}
