#pragma once

#include "model/controls/Control.h"

#include <juce_core/juce_core.h>

#include <optional>

/** A preset file on disk: exactly one preset message, no other framing. The editor and the
    command-line tool both read and write presets through this class. */
class PresetFile
{
public:
    using Bytes = Control::Bytes;

    explicit PresetFile (const juce::File& fileIn) : file (fileIn) {}

    /** The whole contents, or the reason there are none: the file is missing, not a regular
        file, unreadable or not exactly the expected length. The contents are not otherwise
        checked. */
    juce::Result read (int expectedLength, Bytes& message) const;

    /** read() without the reason. */
    std::optional<Bytes> load (int expectedLength) const;

    /** Whether save() could replace or create the file. */
    juce::Result checkSavable() const;

    /** Replaces the file atomically, keeping its permissions (FileAccess::replaceAtomically). */
    juce::Result save (const Bytes& message) const;

    const juce::File& getFile() const { return file; }

private:
    juce::File file;
};
