#pragma once

#include "model/Control.h"

/** The preset's 16-character name, one character code per byte. */
class QXPresetName : public Control
{
public:
    static constexpr int numCharacters = 16;

    QXPresetName();

    juce::uint8 getMaximum (const juce::String& parameterName) const override;
    int getParameterIndex (const juce::String& parameterName) const override;

    /** "Preset Name 1" to "Preset Name 16". */
    static juce::String characterParameterName (int characterIndex);
};
