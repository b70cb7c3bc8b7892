#include "widgets/boxes/ControlToMidiTextButton.h"

ControlToMidiTextButton::ControlToMidiTextButton (const juce::String& name, juce::Button::Listener* listener)
{
    setSize (100, 12);

    caption.reset (createLabel ("MIDI to DIN"));
    caption->setFont (juce::Font (12.0f));

    button = std::make_unique<juce::TextButton>();
    button->setLookAndFeel (&buttonLook);

    setValue (0);

    caption->setBounds (0, 0, 60, 12);
    button->setBounds (62, 0, 20, 12);
    addAndMakeVisible (*caption);
    addAndMakeVisible (*button);

    button->addListener (this);
    button->setName (name);

    if (listener != nullptr)
        button->addListener (listener);
}

ControlToMidiTextButton::~ControlToMidiTextButton()
{
    // The look is destroyed before the button that borrows it.
    button->setLookAndFeel (nullptr);
}

void ControlToMidiTextButton::setValue (int shownValue)
{
    const auto on = shownValue != 0;
    button->setButtonText (on ? "ON" : "OFF");
    button->setToggleState (on, juce::dontSendNotification);
}

void ControlToMidiTextButton::buttonClicked (juce::Button*)
{
    setValue (button->getToggleState() ? 0 : 1);
}
