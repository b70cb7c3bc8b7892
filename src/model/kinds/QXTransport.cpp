#include "model/kinds/QXTransport.h"

#include "model/PresetLayout.h"

QXTransport::QXTransport (int offset) : Control (PresetLayout::transportBytes, offset)
{
    addParameterName ("Function");
    addParameterName ("CC");
}

juce::uint8 QXTransport::getMaximum (const juce::String& parameterName) const
{
    return parameterName.contains ("Function") ? 1 : getBaseMaximum (parameterName);
}

int QXTransport::getParameterIndex (const juce::String& parameterName) const
{
    return findByteIndex (parameterName);
}

const juce::StringArray& QXTransport::buttonNames()
{
    static const juce::StringArray names { "Rewind", "Fast Forward", "Stop", "Play", "Loop", "Record" };
    return names;
}

const juce::StringArray& QXTransport::functionItems()
{
    static const juce::StringArray items { "Momentary", "Toggle" };
    return items;
}
