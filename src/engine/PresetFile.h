#pragma once

#include "model/Control.h"

#include <juce_core/juce_core.h>

#include <optional>

/** A preset file on disk: exactly one preset message, no other framing. */
class PresetFile
{
public:
    using Bytes = Control::Bytes;

    explicit PresetFile (const juce::File& fileIn) : file (fileIn) {}

    /** The whole contents, or nothing when the file is missing, a folder, unreadable or not
        exactly the expected length. The contents are not otherwise checked. */
    std::optional<Bytes> load (int expectedLength) const;

    /** Replaces the contents with the message. The bytes go to a temporary file beside the
        target, which is then renamed over it, so a failed save leaves any old file whole. */
    bool save (const Bytes& message) const;

    const juce::File& getFile() const { return file; }

private:
    juce::File file;
};
