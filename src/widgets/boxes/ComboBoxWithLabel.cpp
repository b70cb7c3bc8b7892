#include "widgets/boxes/ComboBoxWithLabel.h"

#include "widgets/look/WidgetColours.h"

ComboBoxWithLabel::ComboBoxWithLabel (const juce::StringArray& items, const juce::String& captionText,
                                      juce::ComboBox::Listener* listener)
    : comboBox (std::make_unique<juce::ComboBox> (juce::String())),
      caption (createLabel (captionText))
{
    comboBox->setEditableText (false);
    comboBox->setJustificationType (juce::Justification::centredLeft);
    comboBox->setTextWhenNothingSelected ({});
    comboBox->setTextWhenNoChoicesAvailable ({});
    comboBox->addItemList (items, 1);
    comboBox->setName (captionText);
    comboBox->setWantsKeyboardFocus (true);
    comboBox->setColour (juce::ComboBox::textColourId, WidgetColours::accent);
    comboBox->setColour (juce::ComboBox::arrowColourId, WidgetColours::accent);
    comboBox->setSelectedId (1, juce::sendNotificationAsync);
    comboBox->setBounds (100, 0, 100, 18);

    if (listener != nullptr)
        comboBox->addListener (listener);

    addAndMakeVisible (*comboBox);
    addAndMakeVisible (*caption);
}

void ComboBoxWithLabel::setValue (int shownValue)
{
    comboBox->setSelectedId (shownValue + 1, juce::sendNotificationAsync);
}
