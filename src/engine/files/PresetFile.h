#pragma once

#include "model/controls/Control.h"

#include <juce_core/juce_core.h>

#include <functional>
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

    /** read(), then the check every file passes before a restore or the tool's send writes
        anything: no data byte above what MIDI carries. placeOf names a data byte by its offset. */
    juce::Result readSendable (int expectedLength, Bytes& message,
                               const std::function<juce::String (int dataOffset)>& placeOf) const;

    /** The file of a slot (1 to 24) in a backup folder: slot-01.qx6 ... slot-24.qx6. */
    static juce::File forSlot (const juce::File& folder, int slotNumber);

    /** Creates the backup folder if need be and checks that every slot's file could be
        written, before any slot is read. */
    static juce::Result prepareBackupFolder (const juce::File& folder, int numSlots);

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
