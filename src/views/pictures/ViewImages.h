#pragma once

#include "widgets/pictures/PictureButton.h"

/** Every picture the views show, decoded from the built-in resources through the image cache,
    each with its 2× rendering (NAME@2x.png beside NAME.png). A picture that is missing from the
    resources comes back as a plain placeholder of the right size, so the layout never depends on
    which pictures have been drawn yet. */
class ViewImages
{
public:
    enum class ButtonState
    {
        normal,
        over,
        down
    };

    static ScaledPicture keyboardBackground();
    static ScaledPicture productPicture();

    /** The tab-row button of a view number, 0 to 8. */
    static ScaledPicture tabButton (int viewNumber, ButtonState state);

    /** The product-picture button of a view number that has one (1 to 7). */
    static ScaledPicture productButton (int viewNumber, ButtonState state);

    /** The main view's buttons, 0 "Get From Hardware" to 3 "Load From File"; there is no
        pressed picture. */
    static ScaledPicture mainButton (int index, bool mouseOver);

    /** The bank arrows: the one pointing right steps to the next bank. */
    static ScaledPicture bankArrow (bool pointsRight, ButtonState state);

    static ScaledPicture keybedDivider();

    /** The file name of every picture above at 100 %, for checking that the resources hold them
        all and for preloading. */
    static juce::StringArray fileNames();

    /** The decoded resource of that original file name, or an invalid image. */
    static juce::Image findResource (const juce::String& fileName);

    /** The picture of that file name with its 2× rendering; invalid when the resources lack it. */
    static ScaledPicture findPicture (const juce::String& fileName);

    /** The file name of a picture's 2× rendering. */
    static juce::String doubledFileName (const juce::String& fileName);

    /** Starts decoding every picture above on a thread of its own, so that it overlaps with the
        framework starting up; the first editor window then takes them ready-made. Call on the
        thread that becomes the message thread. */
    static void startPreloading();

    /** Drops the pictures nobody took and ends the preloading thread. */
    static void stopPreloading();

private:
    static const void* resourceData (const juce::String& fileName, int& size);
    static ScaledPicture load (const juce::String& fileName, int width, int height,
                               ButtonState state = ButtonState::normal);
    static juce::Image placeholder (int width, int height, ButtonState state);
    static juce::String suffix (ButtonState state);
};
