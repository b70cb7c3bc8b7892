#pragma once

#include "model/controls/Control.h"

/** The pitch and modulation wheels. Their channels go to 16, one more than any other channel. */
class QXWheels : public Control
{
public:
    explicit QXWheels (int imageOffset);

    juce::uint8 getMaximum (const juce::String& parameterName) const override;
    int getParameterIndex (const juce::String& parameterName) const override;

    /** The channel choices: "1" to "16" for bytes 0 to 15, then "Omni" for 16. */
    static const juce::StringArray& channelItems();
};
