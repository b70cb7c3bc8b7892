#include "views/ViewImages.h"

#include <gtest/gtest.h>

// A renamed or missing picture would silently fall back to a placeholder.
TEST (ViewImagesTest, EveryPictureTheViewsUseIsBuiltIn)
{
    const auto names = ViewImages::fileNames();
    EXPECT_EQ (names.size(), 3 + 3 * (9 + 7 + 2) + 8);

    for (const auto& name : names)
        EXPECT_TRUE (ViewImages::findResource (name).isValid()) << name;
}

TEST (ViewImagesTest, PicturesHaveTheSizesTheLayoutReliesOn)
{
    using State = ViewImages::ButtonState;
    EXPECT_EQ (ViewImages::keyboardBackground().getBounds(), juce::Rectangle<int> (1200, 700));
    EXPECT_EQ (ViewImages::productPicture().getBounds(), juce::Rectangle<int> (1150, 286));
    EXPECT_EQ (ViewImages::keybedDivider().getBounds(), juce::Rectangle<int> (3, 191));

    for (auto state : { State::normal, State::over, State::down })
    {
        EXPECT_EQ (ViewImages::bankArrow (true, state).getBounds(), juce::Rectangle<int> (17, 26));
        EXPECT_EQ (ViewImages::tabButton (0, state).getBounds(), juce::Rectangle<int> (138, 40));
        EXPECT_EQ (ViewImages::tabButton (4, state).getBounds(), juce::Rectangle<int> (132, 40));
        EXPECT_EQ (ViewImages::productButton (4, state).getBounds(), juce::Rectangle<int> (23, 15));
    }

    EXPECT_EQ (ViewImages::mainButton (3, true).getBounds(), juce::Rectangle<int> (249, 35));
    EXPECT_FALSE (ViewImages::productButton (8, State::normal).isValid());
    EXPECT_FALSE (ViewImages::findResource ("no-such-picture.png").isValid());
}
