#include "widgets/pictures/PictureButton.h"

PictureButton::PictureButton (const juce::String& name) : juce::Button (name) {}

void PictureButton::setPictures (const ScaledPicture& normal, const ScaledPicture& over, const ScaledPicture& down)
{
    normalPicture = normal;
    overPicture = over;
    downPicture = down;
    setSize (normal.getWidth(), normal.getHeight());
    repaint();
}

void PictureButton::paintButton (juce::Graphics& g, bool highlighted, bool down)
{
    const auto& picture = down || getToggleState() ? downPicture : highlighted ? overPicture : normalPicture;
    picture.draw (g, getLocalBounds().toFloat(), isEnabled() ? 1.0f : 0.3f);
}
