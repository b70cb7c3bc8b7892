#include "engine/simulator/SimulatedKeyboard.h"
#include "engine/midi/virtual/VirtualMidiPortLayer.h"

#include <gtest/gtest.h>

TEST (SimulatedKeyboardTest, SlotsStartAsTheDefaultPresetUnderNumberedNames)
{
    VirtualMidiPortLayer ports;
    SimulatedKeyboard keyboard (ports);
    const auto preset = ModelConstants::qx61DefaultPreset();
    const auto dataLength = ModelConstants::qx61().getLayout().dataLength();
    const auto nameIn = [] (const SysExMessages::Bytes& data) {
        return juce::String (reinterpret_cast<const char*> (data.begin() + PresetLayout::presetNameOffset),
                             static_cast<size_t> (PresetLayout::presetNameBytes));
    };

    EXPECT_EQ (nameIn (keyboard.getSlotData (0)), "Sim Preset 01   ");
    EXPECT_EQ (nameIn (keyboard.getSlotData (24)), "Sim Preset 25   ");
    EXPECT_TRUE (keyboard.getSlotData (25).isEmpty());

    for (int slot = 0; slot < SimulatedKeyboard::numSlots; ++slot)
    {
        const auto data = keyboard.getSlotData (slot);
        ASSERT_EQ (data.size(), dataLength);

        for (int i = PresetLayout::presetNameBytes; i < dataLength; ++i)
            ASSERT_EQ (data[i], preset[PresetLayout::messageDataStart + i]) << "slot " << slot << " byte " << i;
    }
}
