#pragma once

#include "model/controls/Control.h"

/** The pads' roll (note-repeat) settings. */
class QXRollMode : public Control
{
public:
    explicit QXRollMode (int imageOffset);

    juce::uint8 getMaximum (const juce::String& parameterName) const override;
    int getParameterIndex (const juce::String& parameterName) const override;

    /** The "Function" choices, by byte value. */
    static const juce::StringArray& functionItems();

    /** The "Time Div" choices, by byte value. */
    static const juce::StringArray& timeDivisions();
};
