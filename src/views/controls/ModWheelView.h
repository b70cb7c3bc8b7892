#pragma once

#include "engine/QXEditorEngine.h"

#include <juce_gui_basics/juce_gui_basics.h>

class ControlToMidiControllerButton;
class SingleParameterControllerComboBox;
class SingleParameterControllerNumberBox;

/** The modulation wheel's channel, controller, range and MIDI-to-DIN flag. */
class ModWheelView : public juce::Component
{
public:
    explicit ModWheelView (QXEditorEngine::Ptr engine);
    ~ModWheelView() override;

private:
    QXEditorEngine::Ptr engine;
    std::unique_ptr<juce::Label> titleLabel;
    std::unique_ptr<SingleParameterControllerComboBox> channelComboBox;
    std::unique_ptr<SingleParameterControllerNumberBox> ccBox, minBox, maxBox;
    std::unique_ptr<ControlToMidiControllerButton> midiToDinButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ModWheelView)
};
