#pragma once

#include "model/controls/Control.h"

/** One transport button: whether it sends its MMC function or a controller, and which one. */
class QXTransport : public Control
{
public:
    explicit QXTransport (int imageOffset);

    juce::uint8 getMaximum (const juce::String& parameterName) const override;
    int getParameterIndex (const juce::String& parameterName) const override;

    /** "Rewind", "Fast Forward", "Stop", "Play", "Loop", "Record": the order of the group. */
    static const juce::StringArray& buttonNames();

    /** The "Function" choices, by byte value. */
    static const juce::StringArray& functionItems();
};
