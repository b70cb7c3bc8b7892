#pragma once

#include "model/controls/Control.h"

/** One assignable switch. Bytes 1 to 3 mean different things per mode, so names share them. */
class QXSwitch : public Control
{
public:
    explicit QXSwitch (int imageOffset);

    juce::uint8 getMaximum (const juce::String& parameterName) const override;
    int getParameterIndex (const juce::String& parameterName) const override;
    const std::vector<ControlMode>& getModes() const override { return modes(); }

    /** The modes in the order of their "Mode" values, with the rows the editor shows for each. */
    static const std::vector<ControlMode>& modes();
};
