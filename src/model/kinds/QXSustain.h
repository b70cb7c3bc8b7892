#pragma once

#include "model/controls/Control.h"

/** The sustain pedal input. */
class QXSustain : public Control
{
public:
    explicit QXSustain (int imageOffset);

    int getParameterIndex (const juce::String& parameterName) const override;
};
