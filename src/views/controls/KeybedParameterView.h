#pragma once

#include "engine/QXEditorEngine.h"

#include <juce_gui_basics/juce_gui_basics.h>

class ControlToMidiControllerButton;
class SingleParameterControllerNumberBox;

/** One keybed zone ("Keybed", "Lower Keybed" or "Upper Keybed"): channel, transpose, octave,
    curve and MIDI-to-DIN flag, captioned short and bound to the zone's own parameters. */
class KeybedParameterView : public juce::Component
{
public:
    KeybedParameterView (QXEditorEngine::Ptr engine, const juce::String& zoneTitle);
    ~KeybedParameterView() override;

    juce::String getZoneTitle() const;

private:
    QXEditorEngine::Ptr engine;
    std::unique_ptr<juce::Label> titleLabel;
    juce::OwnedArray<SingleParameterControllerNumberBox> numberBoxes;
    std::unique_ptr<ControlToMidiControllerButton> midiToDinButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (KeybedParameterView)
};
