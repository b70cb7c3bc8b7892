#include "model/kinds/QXSustain.h"

#include "model/PresetLayout.h"

QXSustain::QXSustain (int offset) : Control (PresetLayout::sustainBytes, offset)
{
    for (auto* name : { "CC", "Pressed", "Released", "MIDI Channel" })
        addParameterName (name);
}

int QXSustain::getParameterIndex (const juce::String& parameterName) const
{
    return findByteIndex (parameterName);
}
