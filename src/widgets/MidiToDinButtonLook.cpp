#include "widgets/MidiToDinButtonLook.h"

#include "widgets/CustomLook.h"
#include "widgets/WidgetColours.h"

void MidiToDinButtonLook::drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour&, bool,
                                                bool)
{
    const auto bounds = button.getLocalBounds().toFloat();
    g.setColour (juce::Colours::white);

    if (button.getToggleState())
        g.fillRoundedRectangle (bounds, 2.0f);
    else
        g.drawRect (button.getLocalBounds(), 1);

    // On the blue panel an accent frame alone would not show: a white one goes round it.
    if (button.hasKeyboardFocus (false))
    {
        g.setColour (juce::Colours::white);
        g.drawRect (button.getLocalBounds(), 2);
        g.setColour (WidgetColours::accent);
        g.drawRect (button.getLocalBounds().reduced (2), 1);
    }
}

void MidiToDinButtonLook::drawButtonText (juce::Graphics& g, juce::TextButton& button, bool, bool)
{
    g.setColour (button.getToggleState() ? WidgetColours::accent : juce::Colours::white);
    g.setFont (juce::Font (12.0f));

    // "OFF" is wider than the 20-pixel toggle at this size; it is squeezed inside the frame.
    CustomLook::drawWholeText (g, button.getButtonText(), button.getLocalBounds().reduced (2, 0));
}
