#include "model/QXControlsToMidiDin.h"
#include "model/QXKeybed.h"
#include "model/QXKnob.h"
#include "model/QXPad.h"
#include "model/QXPresetName.h"
#include "model/QXRollMode.h"
#include "model/QXSustain.h"
#include "model/QXSwitch.h"
#include "model/QXTransport.h"
#include "model/QXWheels.h"

#include <gtest/gtest.h>

#include <map>

namespace
{
using Expectations = std::map<juce::String, std::pair<int, int>>; // name -> (byte, maximum)

void expectNamesIndexesAndMaxima (const Control& control, const juce::StringArray& names,
                                  const Expectations& expected)
{
    EXPECT_EQ (control.getParameterNames(), names);

    for (const auto& [name, byteAndMaximum] : expected)
    {
        EXPECT_EQ (control.getParameterIndex (name), byteAndMaximum.first) << name;
        EXPECT_EQ (control.getMaximum (name), byteAndMaximum.second) << name;
        EXPECT_EQ (control.getMinimum (name), 0) << name;
    }
}
} // namespace

TEST (ControlKinds, PresetNameHasSixteenCharactersAndAcceptsAnyNameUpTo127)
{
    QXPresetName name;
    EXPECT_EQ (name.getParameterIndex ("Preset Name 16"), 15);
    EXPECT_EQ (name.getParameterIndex ("Preset Name 17"), -1);
    EXPECT_EQ (name.getMaximum ("anything at all"), 127);
}

TEST (ControlKinds, KeybedUsesContainsRulesWithoutFallback)
{
    QXKeybed keybed (16, 60, 10);
    expectNamesIndexesAndMaxima (
        keybed,
        { "Keybed Transpose", "Keybed Octave", "Keybed MIDI Channel", "Keybed Curve", "Split Mode",
          "Split Point", "Lower Keybed Transpose", "Lower Keybed Octave", "Lower Keybed MIDI Channel",
          "Lower Keybed Curve", "Upper Keybed Transpose", "Upper Keybed Octave",
          "Upper Keybed MIDI Channel", "Upper Keybed Curve" },
        { { "Keybed Transpose", { 0, 24 } },       { "Keybed Octave", { 1, 10 } },
          { "Keybed MIDI Channel", { 2, 15 } },    { "Keybed Curve", { 3, 8 } },
          { "Split Mode", { 4, 1 } },              { "Split Point", { 5, 60 } },
          { "Lower Keybed Octave", { 7, 10 } },    { "Upper Keybed Curve", { 13, 8 } },
          { "Upper Keybed MIDI Channel", { 12, 15 } } });

    // Names it does not list: the "contains" rules still answer, anything else is 0.
    EXPECT_EQ (keybed.getMaximum ("CC"), 0);
    EXPECT_EQ (keybed.getMaximum ("My Transpose"), 24);
    EXPECT_EQ (keybed.getParameterIndex ("My Transpose"), -1);

    QXKeybed small (16, 24, 3);
    EXPECT_EQ (small.getMaximum ("Split Point"), 24);
    EXPECT_EQ (small.getMaximum ("Upper Keybed Octave"), 3);
}

TEST (ControlKinds, RollModeTransportWheelsSustain)
{
    expectNamesIndexesAndMaxima (QXRollMode (30), { "Function", "Time Div", "Gate", "Swing" },
                                 { { "Function", { 0, 1 } }, { "Time Div", { 1, 7 } },
                                   { "Gate", { 2, 98 } }, { "Swing", { 3, 24 } }, { "CC", { -1, 0 } } });

    QXTransport transport (34);
    expectNamesIndexesAndMaxima (transport, { "Function", "CC" },
                                 { { "Function", { 0, 1 } }, { "CC", { 1, 127 } } });
    EXPECT_EQ (transport.getMaximum ("Other Function"), 1);

    expectNamesIndexesAndMaxima (
        QXWheels (46),
        { "Pitch Wheel MIDI Channel", "Mod Wheel MIDI Channel", "Mod Wheel CC", "Mod Wheel Min",
          "Mod Wheel Max" },
        { { "Pitch Wheel MIDI Channel", { 0, 16 } }, { "Mod Wheel MIDI Channel", { 1, 16 } },
          { "Mod Wheel CC", { 2, 127 } }, { "Mod Wheel Max", { 4, 127 } } });

    expectNamesIndexesAndMaxima (QXSustain (51), { "CC", "Pressed", "Released", "MIDI Channel" },
                                 { { "CC", { 0, 127 } }, { "Released", { 2, 127 } },
                                   { "MIDI Channel", { 3, 15 } }, { "Mode", { -1, 0 } } });
}

TEST (ControlKinds, KnobIgnoresNamesItDoesNotList)
{
    expectNamesIndexesAndMaxima (QXKnob (55), { "Mode", "CC", "Min", "Max", "MIDI Channel" },
                                 { { "Mode", { 0, 1 } }, { "CC", { 1, 127 } }, { "Min", { 2, 127 } },
                                   { "Max", { 3, 127 } }, { "MIDI Channel", { 4, 15 } },
                                   { "Program", { -1, 0 } } });
}

TEST (ControlKinds, PadSharesBytesBetweenModes)
{
    QXPad pad (135);
    expectNamesIndexesAndMaxima (
        pad,
        { "Mode", "Note", "CC", "Program", "Fixed", "Toggle On", "Pressed", "Bank LSB", "Toggle Off",
          "Released", "Bank MSB", "Curve", "MIDI Channel" },
        { { "Mode", { 0, 3 } }, { "Note", { 1, 127 } }, { "CC", { 1, 127 } }, { "Program", { 1, 127 } },
          { "Fixed", { 2, 127 } }, { "Toggle On", { 2, 127 } }, { "Pressed", { 2, 127 } },
          { "Bank LSB", { 2, 127 } }, { "Curve", { 3, 7 } }, { "Toggle Off", { 3, 127 } },
          { "Released", { 3, 127 } }, { "Bank MSB", { 3, 127 } }, { "MIDI Channel", { 4, 15 } },
          { "Min", { -1, 0 } } });

    pad.setParameter ("Curve", 8, false);
    EXPECT_EQ (pad.getParameter ("Curve"), 0);
    pad.setParameter ("Bank MSB", 8, false);
    EXPECT_EQ (pad.getParameter ("Curve"), 8);
    EXPECT_EQ (pad.getParameter ("Released"), 8);
}

TEST (ControlKinds, SwitchSharesBytesBetweenModes)
{
    expectNamesIndexesAndMaxima (
        QXSwitch (215),
        { "Mode", "CC", "Program", "Toggle On", "Pressed", "Bank LSB", "Toggle Off", "Released",
          "Bank MSB", "MIDI Channel" },
        { { "Mode", { 0, 3 } }, { "CC", { 1, 127 } }, { "Program", { 1, 127 } },
          { "Toggle On", { 2, 127 } }, { "Bank LSB", { 2, 127 } }, { "Toggle Off", { 3, 127 } },
          { "Bank MSB", { 3, 127 } }, { "MIDI Channel", { 4, 15 } }, { "Note", { -1, 0 } },
          { "Curve", { -1, 0 } } });
}

TEST (ControlKinds, MidiToDinFlagsAreOnOff)
{
    QXControlsToMidiDin flags (455);
    EXPECT_EQ (flags.getParameterIndex ("Switches Midi To DIN"), 9);
    EXPECT_EQ (flags.getMaximum ("Pads Midi To DIN"), 1);
    EXPECT_EQ (flags.getMaximum ("Pads MIDI To DIN"), 0); // case-sensitive
}

TEST (ControlKinds, EveryByteHasTheNameItIsBestKnownBy)
{
    const auto byteNames = [] (const Control& control) {
        juce::StringArray names;
        for (int i = 0; i < control.getByteCount(); ++i)
            names.add (control.getByteName (i));
        return names;
    };

    EXPECT_EQ (byteNames (QXPad (0)), (juce::StringArray { "Mode", "Note", "Fixed", "Curve", "MIDI Channel" }));
    EXPECT_EQ (byteNames (QXSwitch (0)),
               (juce::StringArray { "Mode", "CC", "Toggle On", "Toggle Off", "MIDI Channel" }));
    EXPECT_EQ (byteNames (QXKnob (0)), QXKnob (0).getParameterNames());
    EXPECT_EQ (byteNames (QXKeybed (0, 60, 10)), QXKeybed (0, 60, 10).getParameterNames());
}
