#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** Every picture the views show, decoded from the built-in resources through the image cache.
    A picture that is missing from the resources comes back as a plain placeholder of the right
    size, so the layout never depends on which pictures have been drawn yet. */
class ViewImages
{
public:
    enum class ButtonState
    {
        normal,
        over,
        down
    };

    static juce::Image keyboardBackground();
    static juce::Image productPicture();

    /** The tab-row button of a view number, 0 to 8. */
    static juce::Image tabButton (int viewNumber, ButtonState state);

    /** The product-picture button of a view number that has one (1 to 7). */
    static juce::Image productButton (int viewNumber, ButtonState state);

    /** The main view's buttons, 0 "Get From Hardware" to 3 "Load From File"; there is no
        pressed picture. */
    static juce::Image mainButton (int index, bool mouseOver);

    /** The bank arrows: the one pointing right steps to the next bank. */
    static juce::Image bankArrow (bool pointsRight, ButtonState state);

    static juce::Image keybedDivider();

    /** Gives an image button its three pictures the way every picture button here uses them:
        sized to the picture, rescaled with the button, proportions kept, fully opaque. */
    static void setButtonImages (juce::ImageButton& button, const juce::Image& normal, const juce::Image& over,
                                 const juce::Image& down);

    /** The file name of every picture above, for checking that the resources hold them all. */
    static juce::StringArray fileNames();

    /** The decoded resource of that original file name, or an invalid image. */
    static juce::Image findResource (const juce::String& fileName);

    /** Starts decoding every picture above on a thread of its own, so that it overlaps with the
        framework starting up; the first editor window then takes them ready-made. Call on the
        thread that becomes the message thread. */
    static void startPreloading();

    /** Drops the pictures nobody took and ends the preloading thread. */
    static void stopPreloading();

private:
    static const void* resourceData (const juce::String& fileName, int& size);
    static juce::Image load (const juce::String& fileName, int width, int height,
                             ButtonState state = ButtonState::normal);
    static juce::Image placeholder (int width, int height, ButtonState state);
    static juce::String suffix (ButtonState state);
};
