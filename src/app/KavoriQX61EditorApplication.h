#pragma once

#include "app/KavoriQXEditorApplication.h"
#include "app/QX61ModelResources.h"

/** The editor of the 61-key keyboard. */
class KavoriQX61EditorApplication : public KavoriQXEditorApplication
{
public:
    KavoriQX61EditorApplication();

    std::unique_ptr<ViewSelector> createProductImageSelector() override
    {
        return resources.createProductImageSelector();
    }
    juce::String getUserGuideFileName() override { return resources.getUserGuideFileName(); }
    ScaledPicture getAboutImage() override { return resources.getAboutImage(); }
    const juce::uint8* getDefaultPresetData() override { return resources.getDefaultPresetData(); }
    int getDefaultPresetSize() override { return resources.getDefaultPresetSize(); }

private:
    QX61ModelResources resources;
};
