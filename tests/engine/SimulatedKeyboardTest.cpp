#include "MidiTestSupport.h"

#include "engine/SimulatedKeyboard.h"

#include <gtest/gtest.h>

#include <map>

using namespace MidiTestSupport;

namespace
{
/** The read replies heard, by address, as the editor would keep them. */
std::map<int, juce::uint8> repliesIn (const RecordingListener& listener)
{
    std::map<int, juce::uint8> values;
    for (const auto& message : listener.received())
        if (const auto reply = SysExMessages::parseReadReply (message))
            values[reply->address] = reply->value;
    return values;
}

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

    void requestRead (int slot, int address)
    {
        manager.sendMessage (SysExMessages::toMidiMessage (SysExMessages::readRequest (modelId, static_cast<juce::uint8> (slot), address)));
    }

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
    write (25, 0, 1);      // no such slot
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
    requestRead (23, 464);
    ASSERT_TRUE (waitUntil ([&] { return collector.count() == 1; }));
    EXPECT_EQ (repliesIn (collector)[464], 127);
}

TEST_F (SimulatedKeyboardTest, CanDropDuplicateDelayAndHoldBackReplies)
{
    keyboard.setRandomSeed (42);
    keyboard.setReplyBehaviour ({ 1, 3, 0.5, 0.5 });

    for (int address = 0; address < 100; ++address)
        requestRead (3, address);

    ASSERT_TRUE (keyboard.waitUntilIdle (5000));
    ASSERT_TRUE (waitUntil ([&] { return collector.count() == keyboard.getRepliesSent(); }));
    EXPECT_EQ (keyboard.getReadRequestCount(), 100);
    const auto values = repliesIn (collector);
    EXPECT_GT (values.size(), 20u);
    EXPECT_LT (values.size(), 80u);
    EXPECT_GT (keyboard.getRepliesSent(), static_cast<int> (values.size())); // some came twice

    for (const auto& [address, value] : values)
        EXPECT_EQ (value, keyboard.getSlotData (3)[address]);

    // Held far beyond this test's next steps, so the check below cannot race the reply.
    keyboard.setReplyBehaviour ({ 0, 0, 0.0, 0.0, 1.0, 60000 });
    const auto heard = collector.count();
    requestRead (0, 2);
    EXPECT_FALSE (keyboard.waitUntilIdle (0));

    // Unplugging loses what was still to be sent.
    keyboard.unplug();
    EXPECT_TRUE (keyboard.waitUntilIdle (0));
    EXPECT_EQ (collector.count(), heard);
}

TEST_F (SimulatedKeyboardTest, UnplugRemovesItsPortsAndReplugBringsThemBackAsANewDevice)
{
    for (const bool watchWhileUnplugged : { true, false })
    {
        SCOPED_TRACE (watchWhileUnplugged ? "watched while unplugged" : "replugged within one tick");
        keyboard.unplug();
        EXPECT_FALSE (keyboard.isPluggedIn());
        EXPECT_FALSE (ports->getInputNames().contains (SimulatedKeyboard::portName));
        EXPECT_FALSE (ports->getOutputNames().contains (SimulatedKeyboard::portName));
        EXPECT_FALSE (manager.isConnected());

        if (watchWhileUnplugged)
        {
            manager.checkDevices();
            EXPECT_FALSE (manager.sendMessage (SysExMessages::toMidiMessage (SysExMessages::readRequest (modelId, 0, 0))));
        }

        keyboard.replug();
        EXPECT_FALSE (manager.isConnected()); // the old ports are dead, as on ALSA
        manager.checkDevices();
        ASSERT_TRUE (manager.isConnected());
        const auto heard = collector.count();
        requestRead (0, 5);
        EXPECT_TRUE (waitUntil ([&] { return collector.count() == heard + 1; }));
    }
}
