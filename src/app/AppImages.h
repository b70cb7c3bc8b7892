#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The shell's built-in pictures, decoded once through the image cache. */
class AppImages
{
public:
    static juce::Image aboutPicture();
    static juce::Image deviceSetupBackground();
    static juce::Image deviceListFrame();
    static juce::Image programIcon();

private:
    /** The built-in PNG of that file name; a null image when the program holds none. */
    static juce::Image named (const char* fileName);
};
