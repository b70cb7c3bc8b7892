#include "widgets/pictures/PictureComponent.h"

PictureComponent::PictureComponent (const juce::String& name) : juce::Component (name) {}

void PictureComponent::setPicture (const ScaledPicture& newPicture)
{
    picture = newPicture;
    setSize (picture.getWidth(), picture.getHeight());
    repaint();
}

void PictureComponent::paint (juce::Graphics& g)
{
    picture.draw (g, getLocalBounds().toFloat());
}
