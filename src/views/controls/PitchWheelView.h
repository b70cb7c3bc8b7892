#pragma once

#include "engine/QXEditorEngine.h"

#include <juce_gui_basics/juce_gui_basics.h>

class ControlToMidiControllerButton;
class SingleParameterControllerComboBox;

/** The pitch wheel's channel (or "Omni") and its MIDI-to-DIN flag. */
class PitchWheelView : public juce::Component
{
public:
    explicit PitchWheelView (QXEditorEngine::Ptr engine);
    ~PitchWheelView() override;

    /** "1" to "16", then "Omni": the items of both wheels' channel boxes. */

private:
    QXEditorEngine::Ptr engine;
    std::unique_ptr<juce::Label> titleLabel;
    std::unique_ptr<SingleParameterControllerComboBox> channelComboBox;
    std::unique_ptr<ControlToMidiControllerButton> midiToDinButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PitchWheelView)
};
