#pragma once

#include "views/selectors/ViewSelector.h"
#include "widgets/pictures/ScaledPicture.h"

/** What one keyboard model brings besides its constants: its product picture, about picture,
    user guide and built-in default preset. */
class ModelResources
{
public:
    virtual ~ModelResources() = default;

    /** A new product picture selector, placed in the 1200-pixel-wide editor content. */
    virtual std::unique_ptr<ViewSelector> createProductImageSelector() = 0;
    virtual juce::String getUserGuideFileName() = 0;
    virtual ScaledPicture getAboutImage() = 0;

    /** The default preset message, applied to every new window. */
    virtual const juce::uint8* getDefaultPresetData() = 0;
    virtual int getDefaultPresetSize() = 0;
};
