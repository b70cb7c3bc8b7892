#include "widgets/pictures/ScaledPicture.h"

ScaledPicture::ScaledPicture (juce::Image normalIn, Decoder decodeDoubledIn)
    : normal (std::move (normalIn)),
      decodeDoubled (std::move (decodeDoubledIn))
{
}

juce::Image ScaledPicture::forScale (float physicalScale) const
{
    if (physicalScale <= 1.0f || decodeDoubled == nullptr)
        return normal;

    if (! doubled.isValid())
        doubled = decodeDoubled();

    return doubled.isValid() ? doubled : normal;
}

void ScaledPicture::draw (juce::Graphics& g, juce::Rectangle<float> area, float opacity) const
{
    const auto image = forScale (g.getInternalContext().getPhysicalPixelScaleFactor());

    if (! image.isValid())
        return;

    g.setOpacity (opacity);
    g.drawImage (image, area, juce::RectanglePlacement::stretchToFit);
}
