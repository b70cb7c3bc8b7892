#pragma once

#include "widgets/pictures/PictureComponent.h"

/** The about picture with the version and the maker's notice over it; a click anywhere closes
    the window that holds it. */
class AboutComponent : public juce::Component
{
public:
    explicit AboutComponent (const ScaledPicture& image);
    ~AboutComponent() override;

    void mouseUp (const juce::MouseEvent&) override;
    void paint (juce::Graphics&) override {}

    static const juce::String notice;

private:
    std::unique_ptr<PictureComponent> imageComponent;
    std::unique_ptr<juce::Label> versionLabel;
    std::unique_ptr<juce::Label> noticeLabel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AboutComponent)
};
