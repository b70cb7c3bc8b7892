#include "app/dialogs/AboutComponent.h"

const juce::String AboutComponent::notice ("Copyright 2026 Kavori. Licensed under the GPL-3.0.\r\n"
                                           "Made with JUCE, used under the GPL-3.0.");

namespace
{
std::unique_ptr<juce::Label> makeLabel (const juce::String& name, const juce::String& text)
{
    auto label = std::make_unique<juce::Label> (name, text);
    label->setFont (juce::Font (15.0f, juce::Font::plain));
    label->setJustificationType (juce::Justification::centred);
    label->setEditable (false);
    return label;
}
} // namespace

AboutComponent::AboutComponent (const ScaledPicture& image)
    : imageComponent (std::make_unique<PictureComponent>()),
      versionLabel (makeLabel ("Software Version Text", "Software Version: " + juce::String (QX_APP_VERSION))),
      noticeLabel (makeLabel ("Tessaro Copywrite Text", notice))
{
    imageComponent->setPicture (image);
    setSize (image.getWidth(), image.getHeight());
    versionLabel->setBounds (0, getHeight() / 2, getWidth(), 15);
    noticeLabel->setBounds (0, getHeight() - 50, getWidth(), 50);

    addAndMakeVisible (*imageComponent);
    addAndMakeVisible (*versionLabel);
    addAndMakeVisible (*noticeLabel);

    // A click on the picture or a label must reach this component too.
    addMouseListener (this, true);
}

AboutComponent::~AboutComponent()
{
    removeMouseListener (this);
}

void AboutComponent::mouseUp (const juce::MouseEvent&)
{
    // Deleted after the mouse event has finished with this component.
    juce::Component::SafePointer<juce::Component> window (getParentComponent());
    juce::MessageManager::callAsync ([window] { delete window.getComponent(); });
}
