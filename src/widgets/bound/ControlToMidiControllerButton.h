#pragma once

#include "widgets/boxes/ControlToMidiTextButton.h"
#include "widgets/controllers/SingleParameterController.h"

/** The "MIDI to DIN" toggle bound to one flag of the MIDI-to-DIN control. */
class ControlToMidiControllerButton :
    public ControlToMidiTextButton,
    public SingleParameterController,
    public virtual juce::Button::Listener
{
public:
    ControlToMidiControllerButton (QXEditorEngine::Ptr engine, const juce::String& parameterName);

    /** Writes the flipped flag first, then shows it. */
    void buttonClicked (juce::Button* clickedButton) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ControlToMidiControllerButton)
};
