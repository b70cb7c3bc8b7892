#pragma once

#include "model/controls/Control.h"

/** One knob: absolute controller or relative mode, its controller number, range and channel. */
class QXKnob : public Control
{
public:
    explicit QXKnob (int imageOffset);

    juce::uint8 getMaximum (const juce::String& parameterName) const override;
    int getParameterIndex (const juce::String& parameterName) const override;
    const std::vector<ControlMode>& getModes() const override { return modes(); }

    /** The modes in the order of their "Mode" values, with the rows the editor shows for each. */
    static const std::vector<ControlMode>& modes();
};
