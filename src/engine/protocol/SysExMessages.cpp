#include "engine/protocol/SysExMessages.h"

#include "model/PresetLayout.h"

namespace
{
constexpr juce::uint8 sysExStart = 0xF0;
constexpr juce::uint8 sysExEnd = 0xF7;
constexpr int commandPosition = 6;
} // namespace

SysExMessages::Bytes SysExMessages::header (juce::uint8 modelId, juce::uint8 command, juce::uint8 fixed1,
                                            juce::uint8 fixed2)
{
    // Manufacturer id in its three-byte form, a fixed zero, then the model byte.
    return { sysExStart, 0x00, 0x7E, 0x2A, 0x00, modelId, command, fixed1, fixed2 };
}

SysExMessages::Bytes SysExMessages::readRequest (juce::uint8 modelId, juce::uint8 slot, int address)
{
    auto bytes = header (modelId, readRequestCommand, 0x00, 0x03);
    bytes.addArray (Bytes { slot, addressHigh (address), addressLow (address), sysExEnd });
    return bytes;
}

SysExMessages::Bytes SysExMessages::writeMessage (juce::uint8 modelId, juce::uint8 slot, int address, juce::uint8 value)
{
    auto bytes = header (modelId, writeByteCommand, 0x00, 0x04);
    bytes.addArray (Bytes { slot, addressHigh (address), addressLow (address), value, sysExEnd });
    return bytes;
}

SysExMessages::Bytes SysExMessages::syncMessage (juce::uint8 modelId, bool external)
{
    auto bytes = header (modelId, syncCommand, 0x00, 0x01);
    bytes.addArray (Bytes { 0x01, static_cast<juce::uint8> (external ? 0x01 : 0x00), sysExEnd });
    return bytes;
}

SysExMessages::Bytes SysExMessages::presetMessageHeader (juce::uint8 modelId, juce::uint8 slot)
{
    // 0x03 0x51 is 465 in two 7-bit digits, the QX61's data length; the keyboard expects it as is.
    auto bytes = header (modelId, presetDumpCommand, 0x03, 0x51);
    bytes.add (slot);
    return bytes;
}

SysExMessages::Bytes SysExMessages::presetMessage (juce::uint8 modelId, juce::uint8 slot, const Bytes& presetData)
{
    auto bytes = presetMessageHeader (modelId, slot);
    bytes.addArray (presetData);
    bytes.add (sysExEnd);
    return bytes;
}

SysExMessages::Bytes SysExMessages::readReply (juce::uint8 modelId, int address, juce::uint8 value)
{
    auto bytes = header (modelId, readReplyCommand, 0x00, 0x03);
    bytes.addArray (Bytes { addressHigh (address), addressLow (address), value, sysExEnd });
    return bytes;
}

std::optional<SysExMessages::AddressedByte> SysExMessages::parseReadReply (const juce::MidiMessage& message)
{
    const auto bytes = rawBytes (message);

    if (bytes.size() != readReplyLength || bytes[commandPosition] != readReplyCommand)
        return std::nullopt;

    return AddressedByte { 0, joinAddress (bytes[9], bytes[10]), bytes[11] };
}

std::optional<SysExMessages::AddressedByte> SysExMessages::parseReadRequest (const juce::MidiMessage& message)
{
    return parseAddressed (message, readRequestLength, readRequestCommand, false);
}

std::optional<SysExMessages::AddressedByte> SysExMessages::parseWriteMessage (const juce::MidiMessage& message)
{
    return parseAddressed (message, writeMessageLength, writeByteCommand, true);
}

std::optional<bool> SysExMessages::parseSyncMessage (const juce::MidiMessage& message)
{
    const auto bytes = rawBytes (message);

    if (bytes.size() != syncMessageLength || bytes[commandPosition] != syncCommand)
        return std::nullopt;

    return bytes[10] != 0;
}

std::optional<SysExMessages::AddressedByte> SysExMessages::parseAddressed (const juce::MidiMessage& message, int length,
                                                                           juce::uint8 command, bool withValue)
{
    const auto bytes = rawBytes (message);

    if (bytes.size() != length || bytes[commandPosition] != command)
        return std::nullopt;

    const auto slot = bytes[PresetLayout::slotPosition];
    return AddressedByte { slot, joinAddress (bytes[10], bytes[11]), withValue ? bytes[12] : juce::uint8 { 0 } };
}

juce::MidiMessage SysExMessages::toMidiMessage (const Bytes& bytes)
{
    return juce::MidiMessage (bytes.getRawDataPointer(), bytes.size());
}

SysExMessages::Bytes SysExMessages::rawBytes (const juce::MidiMessage& message)
{
    if (! message.isSysEx())
        return {};

    return { message.getRawData(), message.getRawDataSize() };
}
