#pragma once

#include "model/controls/Control.h"

#include <optional>

/** The preset's 16-character name, one character code per byte. */
class QXPresetName : public Control
{
public:
    static constexpr int numCharacters = 16;

    QXPresetName();

    juce::uint8 getMaximum (const juce::String& parameterName) const override;
    int getParameterIndex (const juce::String& parameterName) const override;

    /** "Preset Name 1" to "Preset Name 16". */
    static juce::String characterParameterName (int characterIndex);

    /** The name the bytes hold, without the spaces that pad it; a byte that is not printable
        ASCII reads as '?', so a damaged name still shows its length. */
    static juce::String decode (const Bytes& nameBytes);

    /** The bytes a name is stored as, padded with spaces; none for a name longer than the
        bytes or holding a character outside printable ASCII. */
    static std::optional<Bytes> encode (const juce::String& name);

    juce::String getName() const { return decode (getBytes()); }
};
