#pragma once

#include "widgets/pictures/ScaledPicture.h"

/** A button drawn as one of three pictures over its whole bounds: the pressed one while it is
    held down or toggled on, the hover one under the mouse, else the normal one. A disabled
    button is drawn faint. */
class PictureButton : public juce::Button
{
public:
    explicit PictureButton (const juce::String& name);

    /** Also sizes the button to the normal picture at 100 %. */
    void setPictures (const ScaledPicture& normal, const ScaledPicture& over, const ScaledPicture& down);

    void paintButton (juce::Graphics& g, bool highlighted, bool down) override;

private:
    ScaledPicture normalPicture, overPicture, downPicture;
};
