#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

/** A built-in picture and its rendering at twice the size. Layouts use its size at 100 %; it is
    drawn from the 2× rendering wherever one logical pixel covers more than one physical pixel,
    so it stays sharp on a scaled screen. The 2× rendering is decoded when first needed. */
class ScaledPicture
{
public:
    using Decoder = std::function<juce::Image()>;

    ScaledPicture() = default;
    ScaledPicture (juce::Image normal, Decoder decodeDoubled);

    bool isValid() const { return normal.isValid(); }
    int getWidth() const { return normal.getWidth(); }
    int getHeight() const { return normal.getHeight(); }
    juce::Rectangle<int> getBounds() const { return normal.getBounds(); }

    /** The rendering for that many physical pixels per logical one: the 2× one above 1 when
        there is one, else the 100 % one. */
    juce::Image forScale (float physicalScale) const;

    /** Draws the picture stretched into the area (in logical units), from the rendering that
        suits the pixels the graphics context paints. */
    void draw (juce::Graphics& g, juce::Rectangle<float> area, float opacity = 1.0f) const;

private:
    juce::Image normal;
    Decoder decodeDoubled;
    mutable juce::Image doubled;
};
