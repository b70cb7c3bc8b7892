#include "widgets/look/MidiToDinButtonLook.h"

#include "widgets/look/CustomLook.h"
#include "widgets/look/WidgetColours.h"

void MidiToDinButtonLook::drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour&, bool,
                                                bool)
{
    const auto bounds = button.getLocalBounds().toFloat();
    g.setColour (juce::Colours::white);

    if (button.getToggleState())
        g.fillRoundedRectangle (bounds, 2.0f);
    else
        g.drawRect (button.getLocalBounds(), 1);

    // On the blue panel an accent frame alone would not show: a white one goes round it. Both
    // keep to the edge; the text shrinks inside them (see drawButtonText).
    if (button.hasKeyboardFocus (false))
    {
        g.setColour (juce::Colours::white);
        g.drawRect (button.getLocalBounds(), 1);
        g.setColour (WidgetColours::accent);
        g.drawRect (button.getLocalBounds().reduced (1), 1);
    }
}

void MidiToDinButtonLook::drawButtonText (juce::Graphics& g, juce::TextButton& button, bool, bool)
{
    const bool focused = button.hasKeyboardFocus (false);
    g.setColour (button.getToggleState() ? WidgetColours::accent : juce::Colours::white);
    g.setFont (juce::Font (focused ? 9.0f : 12.0f));

    // "OFF" is wider than the 20-pixel toggle at this size; it is squeezed inside the frame, and
    // inside the focus ring, which would otherwise cross the letters.
    CustomLook::drawWholeText (g, button.getButtonText(), button.getLocalBounds().reduced (2, focused ? 2 : 0));
}
