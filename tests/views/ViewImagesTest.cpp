#include "views/ViewImages.h"

#include <gtest/gtest.h>

// A renamed or missing picture would silently fall back to a placeholder.
TEST (ViewImagesTest, EveryPictureTheViewsUseIsBuiltIn)
{
    const auto names = ViewImages::fileNames();
    EXPECT_EQ (names.size(), 3 + 3 * (9 + 7 + 2) + 8);

    for (const auto& name : names)
        EXPECT_TRUE (ViewImages::findResource (name).isValid()) << name;

    EXPECT_FALSE (ViewImages::productButton (8, ViewImages::ButtonState::normal).isValid());
    EXPECT_FALSE (ViewImages::findResource ("no-such-picture.png").isValid());
}
