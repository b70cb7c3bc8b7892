#include "model/controls/Control.h"

Control::Control (int byteCount, int imageOffsetIn) : imageOffset (imageOffsetIn)
{
    bytes.insertMultiple (0, 0, byteCount);
}

void Control::setParameter (const juce::String& parameterName, juce::uint8 value, bool notify)
{
    if (getMinimum (parameterName) <= value && value <= getMaximum (parameterName))
    {
        const auto index = getParameterIndex (parameterName);

        if (juce::isPositiveAndBelow (index, bytes.size()))
            bytes.set (index, value);
    }

    if (notify)
        listeners.call ([&] (Listener& l) { l.parameterChanged (parameterName, value); });
}

juce::uint8 Control::getParameter (const juce::String& parameterName) const
{
    const auto index = getParameterIndex (parameterName);
    return juce::isPositiveAndBelow (index, bytes.size()) ? bytes[index] : juce::uint8 { 0 };
}

Control::Bytes Control::getBytes() const
{
    return bytes;
}

void Control::setBytes (const Bytes& newBytes)
{
    // Copied without range checks: a preset file may hold any byte, and it is shown as it is.
    for (int i = 0; i < juce::jmin (bytes.size(), newBytes.size()); ++i)
        bytes.set (i, newBytes[i]);

    for (const auto& name : parameterNames)
        setParameter (name, getParameter (name), true);
}

void Control::applyImage (const Bytes& presetData)
{
    Bytes block;

    for (int i = 0; i < bytes.size(); ++i)
    {
        const auto position = imageOffset + i;
        block.add (juce::isPositiveAndBelow (position, presetData.size()) ? presetData[position] : juce::uint8 { 0 });
    }

    setBytes (block);
}

juce::uint8 Control::getMinimum (const juce::String&) const
{
    return 0;
}

juce::uint8 Control::getMaximum (const juce::String& parameterName) const
{
    return getBaseMaximum (parameterName);
}

void Control::addListener (Listener* listener)
{
    listeners.add (listener);
}

void Control::removeListener (Listener* listener)
{
    listeners.remove (listener);
}

int Control::findParameterName (const juce::String& parameterName) const
{
    for (int i = parameterNames.size(); --i >= 0;)
        if (parameterNames[i] == parameterName)
            return i;

    return -1;
}

void Control::addParameterName (const juce::String& parameterName)
{
    addParameterName (parameterName, parameterNames.size());
}

void Control::addParameterName (const juce::String& parameterName, int byteIndex)
{
    parameterNames.add (parameterName);
    byteIndexes.add (byteIndex);
}

int Control::findByteIndex (const juce::String& parameterName) const
{
    const auto position = findParameterName (parameterName);
    return position < 0 ? -1 : byteIndexes[position];
}

juce::String Control::getByteName (int byteIndex) const
{
    const auto position = byteIndexes.indexOf (byteIndex);
    return position < 0 ? juce::String() : parameterNames[position];
}

const std::vector<ControlMode>& Control::getModes() const
{
    static const std::vector<ControlMode> none;
    return none;
}

juce::String Control::getShownByteName (int byteIndex) const
{
    const auto& modes = getModes();
    const auto mode = static_cast<size_t> (getParameter ("Mode"));

    if (mode < modes.size())
        for (const auto& row : modes[mode].rows)
            if (getParameterIndex (row) == byteIndex)
                return row;

    return getByteName (byteIndex);
}

juce::uint8 Control::getBaseMaximum (const juce::String& parameterName) const
{
    if (! parameterNames.contains (parameterName))
        return 0;

    return parameterName == "MIDI Channel" ? 15 : 127;
}
