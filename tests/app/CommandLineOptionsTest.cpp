#include "app/CommandLineOptions.h"

#include <gtest/gtest.h>

TEST (CommandLineOptions, OptionsComeFirstAndTheRestIsThePresetFile)
{
    const auto options = CommandLineOptions::parse ("--simulator --midi-log=/tmp/m.log /tmp/a.qx6");

    EXPECT_TRUE (options.simulator);
    EXPECT_EQ (options.midiLogPath, "/tmp/m.log");
    EXPECT_TRUE (options.badOptions.isEmpty());
    ASSERT_TRUE (options.hasPresetFile());
    EXPECT_EQ (options.getPresetPath(), "/tmp/a.qx6");
}

TEST (CommandLineOptions, QuotedArgumentsKeepTheirBlanks)
{
    // The framework wraps an argument holding a blank in double quotes.
    const auto options = CommandLineOptions::parse ("\"--midi-log=/tmp/my log.txt\" \"/tmp/my presets/b.qx6\"");

    EXPECT_EQ (options.midiLogPath, "/tmp/my log.txt");
    EXPECT_EQ (options.getPresetPath(), "/tmp/my presets/b.qx6");

    EXPECT_EQ (CommandLineOptions::parse ("'/tmp/c d.qx6'").getPresetPath(), "/tmp/c d.qx6");
    EXPECT_EQ (CommandLineOptions::parse ("  /tmp/e f.qx6  ").getPresetPath(), "/tmp/e f.qx6");
}

TEST (CommandLineOptions, AnOptionAfterTheFileBelongsToTheFileName)
{
    const auto options = CommandLineOptions::parse ("/tmp/a.qx6 --simulator");

    EXPECT_FALSE (options.simulator);
    EXPECT_EQ (options.getPresetPath(), "/tmp/a.qx6 --simulator");
}

TEST (CommandLineOptions, NoFileWhenTheRestIsEmptyOrBeginsWithADash)
{
    EXPECT_FALSE (CommandLineOptions::parse ("").hasPresetFile());
    EXPECT_FALSE (CommandLineOptions::parse ("   ").hasPresetFile());
    EXPECT_FALSE (CommandLineOptions::parse ("--simulator").hasPresetFile());
    EXPECT_FALSE (CommandLineOptions::parse ("-psn_0_12345").hasPresetFile());
}

TEST (CommandLineOptions, HelpVersionAndBadOptions)
{
    EXPECT_TRUE (CommandLineOptions::parse ("--help").help);
    EXPECT_TRUE (CommandLineOptions::parse ("--version").version);

    const auto bad = CommandLineOptions::parse ("--simulatr --midi-log --midi-log= x.qx6");
    EXPECT_EQ (bad.badOptions, juce::StringArray ({ "--simulatr", "--midi-log", "--midi-log=" }));
    EXPECT_TRUE (bad.midiLogPath.isEmpty());
    EXPECT_EQ (bad.getPresetPath(), "x.qx6");
}

TEST (CommandLineOptions, ARelativeFileIsTakenFromTheGivenFolder)
{
    const auto base = juce::File::getSpecialLocation (juce::File::tempDirectory);
    EXPECT_EQ (CommandLineOptions::parse ("sub/a.qx6").getPresetFile (base), base.getChildFile ("sub/a.qx6"));
    EXPECT_EQ (CommandLineOptions::parse ("/abs/a.qx6").getPresetFile (base), juce::File ("/abs/a.qx6"));
}
