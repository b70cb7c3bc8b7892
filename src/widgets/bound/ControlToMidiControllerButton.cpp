#include "widgets/bound/ControlToMidiControllerButton.h"

#include "model/controls/ControlGroup.h"

ControlToMidiControllerButton::ControlToMidiControllerButton (QXEditorEngine::Ptr engineIn,
                                                              const juce::String& parameterNameIn)
    : ControlToMidiTextButton (parameterNameIn, nullptr),
      SingleParameterController (this, std::move (engineIn), parameterNameIn, ControlGroup::midiToDinGroup, 0)
{
    showStoredValue();
}

void ControlToMidiControllerButton::buttonClicked (juce::Button* clickedButton)
{
    const auto flipped = clickedButton->getToggleState() ? 0 : 1;
    updateParameter (flipped);
    ControlToMidiTextButton::setValue (flipped);
}
