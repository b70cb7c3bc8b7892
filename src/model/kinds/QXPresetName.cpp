#include "model/kinds/QXPresetName.h"

#include "model/PresetLayout.h"

QXPresetName::QXPresetName() : Control (PresetLayout::presetNameBytes, PresetLayout::presetNameOffset)
{
    for (int i = 0; i < numCharacters; ++i)
        addParameterName (characterParameterName (i));
}

juce::String QXPresetName::characterParameterName (int characterIndex)
{
    return "Preset Name " + juce::String (characterIndex + 1);
}

juce::uint8 QXPresetName::getMaximum (const juce::String&) const
{
    return 127;
}

int QXPresetName::getParameterIndex (const juce::String& parameterName) const
{
    return findByteIndex (parameterName);
}

namespace
{
constexpr juce::juce_wchar firstPrintable = ' ';
constexpr juce::juce_wchar lastPrintable = '~';

bool isPrintable (juce::juce_wchar c)
{
    return firstPrintable <= c && c <= lastPrintable;
}
} // namespace

juce::String QXPresetName::decode (const Bytes& nameBytes)
{
    juce::String name;

    for (int i = 0; i < juce::jmin (numCharacters, nameBytes.size()); ++i)
        name << juce::String::charToString (isPrintable (nameBytes[i]) ? static_cast<juce::juce_wchar> (nameBytes[i])
                                                                       : '?');

    return name.trimEnd();
}

std::optional<Control::Bytes> QXPresetName::encode (const juce::String& name)
{
    if (name.length() > numCharacters)
        return std::nullopt;

    Bytes bytes;

    for (auto c : name)
    {
        if (! isPrintable (c))
            return std::nullopt;

        bytes.add (static_cast<juce::uint8> (c));
    }

    while (bytes.size() < numCharacters)
        bytes.add (static_cast<juce::uint8> (firstPrintable));

    return bytes;
}
