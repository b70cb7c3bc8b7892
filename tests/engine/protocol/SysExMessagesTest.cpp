#include "engine/protocol/SysExMessages.h"

#include <gtest/gtest.h>

namespace
{
juce::MidiMessage sysEx (const SysExMessages::Bytes& bytes)
{
    return SysExMessages::toMidiMessage (bytes);
}
} // namespace

TEST (SysExMessages, MessagesMatchTheKeyboardsBytesAndParseBackAndAReplyIsThirteenBytes)
{
    EXPECT_EQ (SysExMessages::readRequest (0x40, 3, 300),
               (SysExMessages::Bytes { 0xF0, 0x00, 0x7E, 0x2A, 0x00, 0x40, 0x65, 0x00, 0x03, 0x03, 0x02, 0x2C, 0xF7 }));
    EXPECT_EQ (
        SysExMessages::writeMessage (0x40, 0, 16, 12),
        (SysExMessages::Bytes { 0xF0, 0x00, 0x7E, 0x2A, 0x00, 0x40, 0x64, 0x00, 0x04, 0x00, 0x00, 0x10, 0x0C, 0xF7 }));
    EXPECT_EQ (SysExMessages::syncMessage (0x40, true),
               (SysExMessages::Bytes { 0xF0, 0x00, 0x7E, 0x2A, 0x00, 0x40, 0x67, 0x00, 0x01, 0x01, 0x01, 0xF7 }));
    EXPECT_EQ (SysExMessages::syncMessage (0x40, false)[10], 0x00);
    EXPECT_EQ (SysExMessages::presetMessage (0x40, 0, SysExMessages::Bytes { 1, 2, 3 }),
               (SysExMessages::Bytes { 0xF0, 0x00, 0x7E, 0x2A, 0x00, 0x40, 0x61, 0x03, 0x51, 0x00, 1, 2, 3, 0xF7 }));

    // Addresses travel as two seven-bit digits, high first.
    for (auto [address, high, low] : { std::tuple { 0, 0x00, 0x00 }, std::tuple { 127, 0x00, 0x7F },
                                       std::tuple { 128, 0x01, 0x00 }, std::tuple { 464, 0x03, 0x50 } })
    {
        const auto request = SysExMessages::readRequest (0x40, 0, address);
        EXPECT_EQ (request[10], high) << address;
        EXPECT_EQ (request[11], low) << address;
        EXPECT_EQ (SysExMessages::parseReadRequest (sysEx (request))->address, address);
    }

    // The keyboard's side.
    const auto write = SysExMessages::parseWriteMessage (sysEx (SysExMessages::writeMessage (0x40, 5, 300, 99)));
    ASSERT_TRUE (write.has_value());
    EXPECT_TRUE (write->slot == 5 && write->address == 300 && write->value == 99);
    EXPECT_EQ (SysExMessages::parseSyncMessage (sysEx (SysExMessages::syncMessage (0x40, true))), true);
    EXPECT_EQ (SysExMessages::parseSyncMessage (sysEx (SysExMessages::syncMessage (0x40, false))), false);
    EXPECT_FALSE (SysExMessages::parseWriteMessage (sysEx (SysExMessages::readRequest (0x40, 0, 1))).has_value());

    // A reply is thirteen bytes with the reply command, whatever the rest of the header.
    const auto reply = SysExMessages::readReply (0x40, 200, 7);
    ASSERT_EQ (reply.size(), 13);
    const auto parsed = SysExMessages::parseReadReply (sysEx (reply));
    ASSERT_TRUE (parsed.has_value());
    EXPECT_TRUE (parsed->address == 200 && parsed->value == 7);

    auto foreign = reply;
    foreign.set (1, 0x41);
    foreign.set (5, 0x10);
    EXPECT_TRUE (SysExMessages::parseReadReply (sysEx (foreign)).has_value());

    auto longer = reply, shorter = reply;
    longer.insert (11, 0);
    shorter.remove (11);
    EXPECT_FALSE (SysExMessages::parseReadReply (sysEx (longer)) || SysExMessages::parseReadReply (sysEx (shorter)));

    EXPECT_FALSE (SysExMessages::parseReadReply (sysEx (SysExMessages::readRequest (0x40, 0, 5))).has_value());
    EXPECT_FALSE (SysExMessages::parseReadReply (juce::MidiMessage::noteOn (1, 60, 0.5f)).has_value());
}
