#include "widgets/controllers/UIParameterInterface.h"

juce::Label* UIParameterInterface::createLabel (const juce::String& caption)
{
    auto* label = new juce::Label (caption);
    label->setText (caption, juce::dontSendNotification);
    label->setFont (juce::Font (16.0f));
    label->setJustificationType (juce::Justification::centredLeft);
    label->setColour (juce::Label::textColourId, juce::Colours::white);
    label->setBounds (0, 0, 100, 16);
    return label;
}
