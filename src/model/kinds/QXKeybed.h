#pragma once

#include "model/controls/Control.h"

/** The keybed: whole-keybed settings, the split and the two zones' settings. */
class QXKeybed : public Control
{
public:
    QXKeybed (int imageOffset, juce::uint8 splitPointMaximum, juce::uint8 octaveMaximum);

    juce::uint8 getMaximum (const juce::String& parameterName) const override;
    int getParameterIndex (const juce::String& parameterName) const override;

    /** The "Split Mode" choices, by byte value: 0 splits the keybed. */
    static const juce::StringArray& splitItems();

    bool isSplit() const { return getParameter ("Split Mode") == 0; }

private:
    juce::uint8 splitPointMaximum;
    juce::uint8 octaveMaximum;
};
