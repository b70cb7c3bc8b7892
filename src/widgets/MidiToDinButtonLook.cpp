#include "widgets/MidiToDinButtonLook.h"

#include "widgets/WidgetColours.h"

void MidiToDinButtonLook::drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour&,
                                                bool, bool)
{
    const auto bounds = button.getLocalBounds().toFloat();
    g.setColour (juce::Colours::white);

    if (button.getToggleState())
        g.fillRoundedRectangle (bounds, 2.0f);
    else
        g.drawRect (button.getLocalBounds(), 1);
}

void MidiToDinButtonLook::drawButtonText (juce::Graphics& g, juce::TextButton& button, bool, bool)
{
    g.setColour (button.getToggleState() ? WidgetColours::accent : juce::Colours::white);
    g.setFont (juce::Font (12.0f));
    g.drawText (button.getButtonText(), button.getLocalBounds(), juce::Justification::left, false);
}
