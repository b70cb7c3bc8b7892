#include "model/kinds/QXRollMode.h"

#include "model/PresetLayout.h"

QXRollMode::QXRollMode (int offset) : Control (PresetLayout::rollModeBytes, offset)
{
    for (auto* name : { "Function", "Time Div", "Gate", "Swing" })
        addParameterName (name);
}

juce::uint8 QXRollMode::getMaximum (const juce::String& parameterName) const
{
    if (parameterName == "Function")
        return 1;
    if (parameterName == "Time Div")
        return 7;
    if (parameterName == "Gate")
        return 98;
    if (parameterName == "Swing")
        return 24;
    return getBaseMaximum (parameterName);
}

int QXRollMode::getParameterIndex (const juce::String& parameterName) const
{
    return findByteIndex (parameterName);
}

const juce::StringArray& QXRollMode::functionItems()
{
    static const juce::StringArray items { "Toggle", "Momentary" };
    return items;
}

const juce::StringArray& QXRollMode::timeDivisions()
{
    static const juce::StringArray divisions { "1/4", "1/4T", "1/8", "1/8T", "1/16", "1/16T", "1/32", "1/32T" };
    return divisions;
}
