#include "widgets/boxes/NumberBoxWithLabel.h"

#include "model/mapping/MidiNames.h"
#include "widgets/look/WidgetColours.h"

NumberBoxWithLabel::NumberBoxWithLabel (int minimum, int maximum, const juce::String& captionText,
                                        NumberBox::Listener* listener)
    : numberBox (std::make_unique<NumberBox>()),
      caption (createLabel (captionText))
{
    numberBox->setColour (juce::Label::backgroundColourId, juce::Colours::white);
    numberBox->setColour (juce::Label::textColourId, WidgetColours::accent);
    numberBox->setColour (juce::Label::backgroundWhenEditingColourId, WidgetColours::accent);
    numberBox->setColour (juce::Label::textWhenEditingColourId, WidgetColours::accent);

    // Set before any listener is attached, so starting at the minimum writes nothing.
    numberBox->setMinimum (minimum);
    numberBox->setMaximum (maximum);
    numberBox->setValue (minimum, true);

    numberBox->setEditable (true, false, false);
    numberBox->setBounds (100, 0, 100, 18);
    numberBox->setName (captionText);
    numberBox->setTooltip (rangeText (minimum, maximum));

    // Notes and controllers are known by name as well as by number.
    numberBox->setValueNamer ([captionText] (int shown) {
        const auto described = MidiNames::describeValue (captionText, shown);
        return described == juce::String (shown) ? juce::String() : described;
    });

    addAndMakeVisible (*numberBox);
    addAndMakeVisible (*caption);

    numberBox->addListener (listener);
}

void NumberBoxWithLabel::setValue (int shownValue)
{
    if (numberBox->isInRange (shownValue))
        numberBox->setValue (shownValue, true);
    else
        numberBox->showValueOutsideRange (shownValue);
}

juce::String NumberBoxWithLabel::rangeText (int minimum, int maximum)
{
    return juce::String (minimum) + juce::String::charToString (0x2013) + juce::String (maximum);
}
