#pragma once

/** Where every control's byte block lies in the preset data, and how the preset message wraps
    the data. This is the only place that knows the layout; everything else asks it.

    The data holds, without gaps: name, keybed, roll mode, six transport buttons, wheels,
    sustain, K knobs, P pads, S switches, then the MIDI-to-DIN flags. The message is a 9-byte
    SysEx header, a slot byte, the data and the end byte 0xF7.
*/
class PresetLayout
{
public:
    static constexpr int presetNameBytes = 16;
    static constexpr int keybedBytes = 14;
    static constexpr int rollModeBytes = 4;
    static constexpr int transportBytes = 2;
    static constexpr int numTransports = 6;
    static constexpr int wheelsBytes = 5;
    static constexpr int sustainBytes = 4;
    static constexpr int controlBytes = 5; // a knob, pad or switch
    static constexpr int midiToDinBytes = 10;

    static constexpr int presetNameOffset = 0;
    static constexpr int keybedOffset = presetNameOffset + presetNameBytes;
    static constexpr int rollModeOffset = keybedOffset + keybedBytes;
    static constexpr int firstTransportOffset = rollModeOffset + rollModeBytes;
    static constexpr int wheelsOffset = firstTransportOffset + numTransports * transportBytes;
    static constexpr int sustainOffset = wheelsOffset + wheelsBytes;
    static constexpr int firstKnobOffset = sustainOffset + sustainBytes;

    static constexpr int messageHeaderBytes = 9;
    static constexpr int slotPosition = messageHeaderBytes;
    static constexpr int messageDataStart = slotPosition + 1;
    static constexpr int messageTrailerBytes = 1;

    PresetLayout (int numKnobs, int numPads, int numSwitches);

    int getNumKnobs() const { return numKnobs; }
    int getNumPads() const { return numPads; }
    int getNumSwitches() const { return numSwitches; }

    static int transportOffset (int index) { return firstTransportOffset + transportBytes * index; }
    int knobOffset (int index) const { return firstKnobOffset + controlBytes * index; }
    int padOffset (int index) const { return knobOffset (numKnobs) + controlBytes * index; }
    int switchOffset (int index) const { return padOffset (numPads) + controlBytes * index; }
    int midiToDinOffset() const { return switchOffset (numSwitches); }

    /** Bytes of preset data: 65 + 5 * (K + P + S). */
    int dataLength() const { return midiToDinOffset() + midiToDinBytes; }

    /** Bytes of the preset message (and of a preset file): 76 + 5 * (K + P + S). */
    int messageLength() const { return messageDataStart + dataLength() + messageTrailerBytes; }

    static int messageOffset (int dataOffset) { return messageDataStart + dataOffset; }

private:
    int numKnobs, numPads, numSwitches;
};
