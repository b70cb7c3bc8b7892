#pragma once

#include "app/ModelResources.h"

/** The resources of the 61-key keyboard. */
class QX61ModelResources : public ModelResources
{
public:
    QX61ModelResources();

    std::unique_ptr<ViewSelector> createProductImageSelector() override;
    juce::String getUserGuideFileName() override { return userGuideFileName; }
    ScaledPicture getAboutImage() override { return aboutImage; }
    const juce::uint8* getDefaultPresetData() override { return defaultPreset.getRawDataPointer(); }
    int getDefaultPresetSize() override { return defaultPreset.size(); }

private:
    const juce::String userGuideFileName { "QX61 Editor - User Guide - v1.1.pdf" };
    ScaledPicture aboutImage;
    juce::Array<juce::uint8> defaultPreset;
};
