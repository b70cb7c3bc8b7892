#include "model/QXSustain.h"

#include "model/PresetLayout.h"

QXSustain::QXSustain (int imageOffset) : Control (PresetLayout::sustainBytes, imageOffset)
{
    for (auto* name : { "CC", "Pressed", "Released", "MIDI Channel" })
        addParameterName (name);
}

int QXSustain::getParameterIndex (const juce::String& parameterName) const
{
    return findByteIndex (parameterName);
}
