#pragma once

#include "model/controls/Control.h"

/** One on/off flag per section: whether its MIDI also leaves the keyboard's DIN port. */
class QXControlsToMidiDin : public Control
{
public:
    explicit QXControlsToMidiDin (int imageOffset);

    juce::uint8 getMaximum (const juce::String& parameterName) const override;
    int getParameterIndex (const juce::String& parameterName) const override;
};
