#pragma once

#include <juce_core/juce_core.h>

/** One byte to write, addressed as the views address it: group, index and parameter name. */
struct ParameterEdit
{
    int groupId = 0;
    int index = 0;
    juce::String parameterName;
    juce::uint8 value = 0;
};
