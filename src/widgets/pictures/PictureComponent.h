#pragma once

#include "widgets/pictures/ScaledPicture.h"

/** Shows one picture over its whole bounds. */
class PictureComponent : public juce::Component
{
public:
    explicit PictureComponent (const juce::String& name = {});

    /** Also sizes the component to the picture at 100 %. */
    void setPicture (const ScaledPicture& newPicture);

    void paint (juce::Graphics& g) override;

private:
    ScaledPicture picture;
};
