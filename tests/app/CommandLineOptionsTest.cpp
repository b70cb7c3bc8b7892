#include "app/CommandLineOptions.h"

#include <gtest/gtest.h>

TEST (CommandLineOptions, OptionsComeFirstAndTheRestIsThePresetFile)
{
    // command line, simulator, MIDI log, preset file ("" for none), options not understood
    const std::tuple<const char*, bool, const char*, const char*, juce::StringArray> cases[] = {
        { "--simulator --midi-log=/tmp/m.log /tmp/a.qx6", true, "/tmp/m.log", "/tmp/a.qx6", {} },
        // The framework wraps an argument holding a blank in double quotes.
        { "\"--midi-log=/tmp/my log.txt\" \"/tmp/my presets/b.qx6\"",
          false,
          "/tmp/my log.txt",
          "/tmp/my presets/b.qx6",
          {} },
        { "'/tmp/c d.qx6'", false, "", "/tmp/c d.qx6", {} },
        { "  /tmp/e f.qx6  ", false, "", "/tmp/e f.qx6", {} },
        { "/tmp/a.qx6 --simulator", false, "", "/tmp/a.qx6 --simulator", {} }, // an option after the file is part of it
        { "", false, "", "", {} },
        { "--simulator", true, "", "", {} },
        { "-psn_0_12345", false, "", "", {} },
        { "--simulatr --midi-log --midi-log= x.qx6",
          false,
          "",
          "x.qx6",
          { "--simulatr", "--midi-log", "--midi-log=" } },
    };

    for (const auto& [commandLine, simulator, midiLog, preset, bad] : cases)
    {
        SCOPED_TRACE (commandLine);
        const auto options = CommandLineOptions::parse (commandLine);
        EXPECT_EQ (options.simulator, simulator);
        EXPECT_EQ (options.midiLogPath, midiLog);
        EXPECT_EQ (options.hasPresetFile() ? options.getPresetPath() : juce::String(), preset);
        EXPECT_EQ (options.badOptions, bad);
    }

    EXPECT_TRUE (CommandLineOptions::parse ("--help").help);
    EXPECT_TRUE (CommandLineOptions::parse ("--version").version);
}

TEST (CommandLineOptions, ARelativeFileIsTakenFromTheGivenFolder)
{
    const auto base = juce::File::getSpecialLocation (juce::File::tempDirectory);
    EXPECT_EQ (CommandLineOptions::parse ("sub/a.qx6").getPresetFile (base), base.getChildFile ("sub/a.qx6"));
    EXPECT_EQ (CommandLineOptions::parse ("/abs/a.qx6").getPresetFile (base), juce::File ("/abs/a.qx6"));
}
