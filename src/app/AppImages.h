#pragma once

#include "widgets/pictures/ScaledPicture.h"

/** The shell's built-in pictures, decoded once through the image cache. */
class AppImages
{
public:
    static ScaledPicture aboutPicture();
    static ScaledPicture deviceSetupBackground();
    static ScaledPicture deviceListFrame();

    /** For the window manager, which scales it itself. */
    static juce::Image programIcon();
};
