#include "engine/MidiTestSupport.h"

#include "engine/simulator/SimulatedKeyboard.h"

#include <gtest/gtest.h>

using namespace MidiTestSupport;

namespace
{
class SimulatedKeyboardTest : public ::testing::Test
{
protected:
    SimulatedKeyboardTest()
    {
        manager.addListener (&collector);
        manager.setInputDevice (SimulatedKeyboard::portName);
        manager.setOutputDevice (SimulatedKeyboard::portName);
    }

    ~SimulatedKeyboardTest() override { manager.removeListener (&collector); }

    void write (int slot, int address, juce::uint8 value)
    {
        manager.sendMessage (SysExMessages::toMidiMessage (
            SysExMessages::writeMessage (modelId, static_cast<juce::uint8> (slot), address, value)));
    }

    const juce::uint8 modelId = ModelConstants::qx61().modelId;
    const int dataLength = ModelConstants::qx61().getLayout().dataLength();
    std::shared_ptr<VirtualMidiPortLayer> ports = std::make_shared<VirtualMidiPortLayer>();
    SimulatedKeyboard keyboard { *ports };
    RecordingListener collector;
    MidiManager manager { ports };
};

juce::String nameIn (const SysExMessages::Bytes& data)
{
    return juce::String (reinterpret_cast<const char*> (data.begin() + PresetLayout::presetNameOffset),
                         static_cast<size_t> (PresetLayout::presetNameBytes));
}
} // namespace

TEST_F (SimulatedKeyboardTest, SlotsStartAsTheDefaultPresetUnderNumberedNames)
{
    const auto preset = ModelConstants::qx61DefaultPreset();
    const SysExMessages::Bytes defaults (preset.begin() + PresetLayout::messageDataStart, dataLength);

    EXPECT_EQ (nameIn (keyboard.getSlotData (0)), "Sim Preset 01   ");
    EXPECT_EQ (nameIn (keyboard.getSlotData (24)), "Sim Preset 25   ");
    EXPECT_TRUE (keyboard.getSlotData (25).isEmpty());

    for (int slot = 0; slot < SimulatedKeyboard::numSlots; ++slot)
    {
        const auto data = keyboard.getSlotData (slot);
        ASSERT_EQ (data.size(), dataLength);

        for (int i = PresetLayout::presetNameBytes; i < dataLength; ++i)
            ASSERT_EQ (data[i], defaults[i]) << "slot " << slot << " byte " << i;
    }
}

TEST_F (SimulatedKeyboardTest, StoresWritesAndSyncsAndIgnoresWhatIsNotForIt)
{
    write (0, 16, 12);
    write (23, 464, 127);
    write (25, 0, 1);         // no such slot
    write (0, dataLength, 1); // no such address
    manager.sendMessage (SysExMessages::toMidiMessage (SysExMessages::writeMessage (0x41, 0, 17, 5))); // another model
    manager.sendMessage (SysExMessages::toMidiMessage (SysExMessages::syncMessage (modelId, true)));
    manager.sendMessage (noteOn (60));

    EXPECT_EQ (keyboard.getSlotData (0)[16], 12);
    EXPECT_EQ (keyboard.getSlotData (23)[464], 127);
    EXPECT_EQ (keyboard.getSlotData (0)[17], keyboard.initialSlotData (0)[17]);
    EXPECT_EQ (keyboard.getWriteCount(), 2);
    EXPECT_EQ (keyboard.getIgnoredCount(), 4);
    EXPECT_EQ (keyboard.getLastSync(), std::optional<bool> (true));

    EXPECT_TRUE (keyboard.waitUntilIdle (1000));
    EXPECT_EQ (keyboard.getRepliesSent(), 0);

    // A read is answered with what the slot holds, written values included.
    manager.sendMessage (SysExMessages::toMidiMessage (SysExMessages::readRequest (modelId, 23, 464)));
    ASSERT_TRUE (waitUntil ([&] { return collector.count() == 1; }));
    const auto reply = SysExMessages::parseReadReply (collector.received()[0]);
    EXPECT_TRUE (reply.has_value() && reply->address == 464 && reply->value == 127);
}
