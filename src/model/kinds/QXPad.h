#pragma once

#include "model/controls/Control.h"

/** One drum pad. Bytes 1 to 3 mean different things per mode, so several names share them. */
class QXPad : public Control
{
public:
    explicit QXPad (int imageOffset);

    juce::uint8 getMaximum (const juce::String& parameterName) const override;
    int getParameterIndex (const juce::String& parameterName) const override;
    const std::vector<ControlMode>& getModes() const override { return modes(); }

    /** The modes in the order of their "Mode" values, with the rows the editor shows for each. */
    static const std::vector<ControlMode>& modes();

    /** Byte 3 is best known as the velocity "Curve", its meaning in the default note mode. */
    juce::String getByteName (int byteIndex) const override;
};
