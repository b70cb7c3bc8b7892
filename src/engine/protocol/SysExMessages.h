#pragma once

#include "model/controls/Control.h"

#include <juce_audio_basics/juce_audio_basics.h>

#include <optional>

/** Every SysEx message the editor and the keyboard exchange, byte for byte.

    Header: F0 00 7E 2A 00, the model byte, the command, then two fixed bytes of the command.
    A preset address (0 .. data length - 1) travels as two 7-bit digits, high then low.
*/
class SysExMessages
{
public:
    using Bytes = Control::Bytes;

    static constexpr juce::uint8 presetDumpCommand = 0x61;
    static constexpr juce::uint8 writeByteCommand = 0x64;
    static constexpr juce::uint8 readRequestCommand = 0x65;
    static constexpr juce::uint8 readReplyCommand = 0x66;
    static constexpr juce::uint8 syncCommand = 0x67;

    /** The highest value a SysEx data byte can carry. */
    static constexpr juce::uint8 highestDataByte = 0x7F;

    static constexpr int readRequestLength = 13;
    static constexpr int readReplyLength = 13;
    static constexpr int writeMessageLength = 14;
    static constexpr int syncMessageLength = 12;

    /** An address and the byte stored there, as a read reply or a write message carries them
        (a reply carries no slot: it reads 0). */
    struct AddressedByte
    {
        juce::uint8 slot;
        int address;
        juce::uint8 value;
    };

    static Bytes readRequest (juce::uint8 modelId, juce::uint8 slot, int address);
    static Bytes writeMessage (juce::uint8 modelId, juce::uint8 slot, int address, juce::uint8 value);
    static Bytes syncMessage (juce::uint8 modelId, bool external);

    /** The header and slot byte of a preset message; the caller appends the data and the end byte. */
    static Bytes presetMessageHeader (juce::uint8 modelId, juce::uint8 slot);
    static Bytes presetMessage (juce::uint8 modelId, juce::uint8 slot, const Bytes& presetData);

    /** What the keyboard answers to a read request (the simulated keyboard builds it). */
    static Bytes readReply (juce::uint8 modelId, int address, juce::uint8 value);

    /** A read reply as the editor accepts it: exactly 13 bytes with the reply command at byte 6;
        nothing else of the header is examined. */
    static std::optional<AddressedByte> parseReadReply (const juce::MidiMessage& message);

    /** Read requests and write messages, recognised by length and command (the keyboard's side). */
    static std::optional<AddressedByte> parseReadRequest (const juce::MidiMessage& message);
    static std::optional<AddressedByte> parseWriteMessage (const juce::MidiMessage& message);
    static std::optional<bool> parseSyncMessage (const juce::MidiMessage& message);

    static juce::MidiMessage toMidiMessage (const Bytes& bytes);

    static juce::uint8 addressHigh (int address) { return static_cast<juce::uint8> ((address / 128) & 0x7F); }
    static juce::uint8 addressLow (int address) { return static_cast<juce::uint8> (address % 128); }
    static int joinAddress (juce::uint8 high, juce::uint8 low) { return high * 128 + low; }

private:
    static Bytes header (juce::uint8 modelId, juce::uint8 command, juce::uint8 fixed1, juce::uint8 fixed2);
    static Bytes rawBytes (const juce::MidiMessage& message);
    static std::optional<AddressedByte> parseAddressed (const juce::MidiMessage& message, int length,
                                                        juce::uint8 command, bool withValue);
};
