#pragma once

#include "widgets/controllers/UIParameterInterface.h"
#include "widgets/look/MidiToDinButtonLook.h"

/** The "MIDI to DIN" caption with an ON/OFF toggle. The listener base is virtual so that a
    subclass adding its own button listener shares this one. */
class ControlToMidiTextButton : public UIParameterInterface, public virtual juce::Button::Listener
{
public:
    ControlToMidiTextButton (const juce::String& name, juce::Button::Listener* listener);
    ~ControlToMidiTextButton() override;

    /** Non-zero shows "ON" with the toggle on, zero "OFF"; nothing is notified. */
    void setValue (int shownValue) override;

    /** Flips the toggle: the button does not toggle itself on a click. */
    void buttonClicked (juce::Button* clickedButton) override;

    juce::TextButton& getButton() { return *button; }
    juce::Label& getCaption() { return *caption; }

private:
    std::unique_ptr<juce::Label> caption;
    std::unique_ptr<juce::TextButton> button;
    MidiToDinButtonLook buttonLook;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ControlToMidiTextButton)
};
