#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The small ON/OFF toggle: a white filled box with blue text when on, a white outline with
    white text when off. */
class MidiToDinButtonLook : public juce::LookAndFeel_V3
{
public:
    void drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour& backgroundColour,
                               bool isMouseOverButton, bool isButtonDown) override;
    void drawButtonText (juce::Graphics& g, juce::TextButton& button, bool isMouseOverButton,
                         bool isButtonDown) override;
};
