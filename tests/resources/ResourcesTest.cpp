#include <QXResources.h>

#include <gtest/gtest.h>
#include <juce_graphics/juce_graphics.h>

#include <map>

namespace
{
struct Size
{
    int width, height;
};

// Every picture the program places, with the size its layout relies on.
std::map<juce::String, Size> expectedPictures()
{
    std::map<juce::String, Size> sizes {
        { "keyboard-background.png", { 1200, 700 } },
        { "product-picture.png", { 1150, 286 } },
        { "keybed-divider.png", { 3, 191 } },
        { "device-setup-background.png", { 360, 425 } },
        { "device-list-frame.png", { 327, 141 } },
        { "about-picture.png", { 484, 267 } },
        { "program-icon.png", { 64, 64 } },
    };

    const juce::StringArray states { "normal", "over", "down" };

    for (auto tab : { "main", "knobs", "switches", "pads", "roll-mode", "transport", "keybed",
                      "wheels", "sustain" })
    {
        const juce::String name (tab);
        const int width = (name == "main" || name == "sustain") ? 138 : 132;

        for (auto& state : states)
            sizes["tab-" + name + "-" + state + ".png"] = { width, 40 };
    }

    const std::map<juce::String, Size> selectors { { "pads", { 154, 153 } },
                                                   { "knobs", { 503, 16 } },
                                                   { "keybed", { 957, 167 } },
                                                   { "wheels", { 63, 85 } },
                                                   { "transport", { 152, 35 } },
                                                   { "roll-mode", { 23, 15 } },
                                                   { "switches", { 511, 56 } } };

    for (auto& [name, size] : selectors)
        for (auto& state : states)
            sizes["selector-" + name + "-" + state + ".png"] = size;

    for (auto button : { "get-from-hardware", "send-to-hardware", "save-to-file", "load-from-file" })
        for (auto state : { "normal", "over" })
            sizes["main-" + juce::String (button) + "-" + state + ".png"] = { 249, 35 };

    for (auto direction : { "left", "right" })
        for (auto& state : states)
            sizes["bank-arrow-" + juce::String (direction) + "-" + state + ".png"] = { 17, 26 };

    return sizes;
}

juce::Image decode (const juce::String& fileName)
{
    for (int i = 0; i < QXResources::namedResourceListSize; ++i)
    {
        if (fileName == QXResources::originalFilenames[i])
        {
            int size = 0;
            auto* data = QXResources::getNamedResource (QXResources::namedResourceList[i], size);
            return juce::ImageCache::getFromMemory (data, size);
        }
    }

    return {};
}

int countVisiblePixels (const juce::Image& image)
{
    int visible = 0;

    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (image.getPixelAt (x, y).getAlpha() > 0)
                ++visible;

    return visible;
}
} // namespace

TEST (Resources, EveryPictureIsBuiltInAndDecodesAtItsLayoutSize)
{
    const auto expected = expectedPictures();

    for (auto& [name, size] : expected)
    {
        const auto image = decode (name);
        ASSERT_TRUE (image.isValid()) << name;
        EXPECT_EQ (image.getWidth(), size.width) << name;
        EXPECT_EQ (image.getHeight(), size.height) << name;
    }

    // A picture nobody places is dead weight in the program, or a misspelt file name.
    for (int i = 0; i < QXResources::namedResourceListSize; ++i)
    {
        const juce::String file (QXResources::originalFilenames[i]);

        if (file.endsWith (".png"))
        {
            EXPECT_EQ (expected.count (file), 1u) << file;
        }
    }
}

TEST (Resources, SelectorOverlaysLetTheProductShowUntilHoveredOrSelected)
{
    for (auto selector : { "pads", "knobs", "keybed", "wheels", "transport", "roll-mode", "switches" })
    {
        const juce::String prefix = "selector-" + juce::String (selector);
        const auto over = decode (prefix + "-over.png");
        const auto down = decode (prefix + "-down.png");

        EXPECT_EQ (countVisiblePixels (decode (prefix + "-normal.png")), 0) << selector;
        EXPECT_GT (countVisiblePixels (over), 0) << selector;
        EXPECT_GT (countVisiblePixels (down), 0) << selector;

        // The selected section must be told apart from the one under the mouse.
        const auto centre = [] (const juce::Image& image)
        { return image.getPixelAt (image.getWidth() / 2, image.getHeight() / 2); };
        EXPECT_NE (centre (over).getARGB(), centre (down).getARGB()) << selector;
    }
}

TEST (Resources, BankArrowsAreWhiteGreyAndOutlinedTrianglesPointingTheirWay)
{
    for (auto direction : { "left", "right" })
    {
        const juce::String prefix = "bank-arrow-" + juce::String (direction);
        const auto normal = decode (prefix + "-normal.png");
        const auto over = decode (prefix + "-over.png");
        const auto down = decode (prefix + "-down.png");
        const int midY = normal.getHeight() / 2;

        EXPECT_EQ (normal.getPixelAt (8, midY), juce::Colours::white) << direction;
        EXPECT_EQ (over.getPixelAt (8, midY), juce::Colour (0xFFD3D3D3)) << direction;
        EXPECT_EQ (down.getPixelAt (8, midY).getAlpha(), 0) << direction;
        EXPECT_GT (countVisiblePixels (down), 0) << direction;

        // The point of the triangle is at the middle height of its pointing side.
        const bool pointsRight = juce::String (direction) == "right";
        const int tipX = pointsRight ? 13 : 3;
        const int baseX = pointsRight ? 3 : 13;
        EXPECT_GT (normal.getPixelAt (tipX, midY).getAlpha(), 0) << direction;
        EXPECT_EQ (normal.getPixelAt (tipX, 4).getAlpha(), 0) << direction;
        EXPECT_GT (normal.getPixelAt (baseX, 4).getAlpha(), 0) << direction;
    }
}
