#pragma once

#include "model/Control.h"

/** The keybed: whole-keybed settings, the split and the two zones' settings. */
class QXKeybed : public Control
{
public:
    QXKeybed (int imageOffset, juce::uint8 splitPointMaximum, juce::uint8 octaveMaximum);

    juce::uint8 getMaximum (const juce::String& parameterName) const override;
    int getParameterIndex (const juce::String& parameterName) const override;

private:
    juce::uint8 splitPointMaximum;
    juce::uint8 octaveMaximum;
};
