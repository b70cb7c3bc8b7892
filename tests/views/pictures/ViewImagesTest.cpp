#include "views/pictures/ViewImages.h"

#include <gtest/gtest.h>

// The artwork script renders every picture again at twice the size; a picture left out would
// be drawn blurred on a scaled screen.
TEST (ViewImages, EveryPictureHasItsRenderingAtTwiceTheSize)
{
    auto names = ViewImages::fileNames();
    names.addArray ({ "about-picture.png", "device-setup-background.png", "device-list-frame.png" });

    for (const auto& name : names)
    {
        const auto picture = ViewImages::findPicture (name);
        ASSERT_TRUE (picture.isValid()) << name;
        EXPECT_EQ (picture.forScale (1.0f).getBounds(), picture.getBounds()) << name;
        EXPECT_EQ (picture.forScale (2.0f).getBounds(), picture.getBounds() * 2) << name;
    }
}
