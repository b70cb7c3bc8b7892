#include "cli/ToolArguments.h"

#include <gtest/gtest.h>

namespace
{
ToolArguments parse (const juce::String& commandLine)
{
    auto tokens = juce::StringArray::fromTokens (commandLine, " ", "\"");
    for (auto& token : tokens)
        token = token.unquoted();
    tokens.removeEmptyStrings();
    return ToolArguments::parse (tokens);
}
} // namespace

TEST (ToolArguments, SubcommandsTakeTheirOperandsAndOptions)
{
    const auto get = parse ("get --slot 24 -o out.qx6 --simulator --midi-log=/tmp/log.txt");
    EXPECT_EQ (get.error, "");
    EXPECT_EQ (get.command, "get");
    EXPECT_EQ (get.slot, 24);
    EXPECT_EQ (get.outputPath, "out.qx6");
    EXPECT_TRUE (get.useSimulator);
    EXPECT_EQ (get.midiLogPath, "/tmp/log.txt");

    const auto send = parse ("send --in \"QX61 In\" --out \"QX61 Out\" --slot 1 preset.qx6");
    EXPECT_EQ (send.error, "");
    EXPECT_EQ (send.inputPortName, "QX61 In");
    EXPECT_EQ (send.operands, juce::StringArray { "preset.qx6" });

    EXPECT_EQ (parse ("ports").error, "");
    EXPECT_EQ (parse ("sync external --simulator").error, "");
    EXPECT_EQ (parse ("--help").command, "help");
}

TEST (ToolArguments, BadCommandLinesSayWhatIsWrong)
{
    EXPECT_EQ (parse ("").error, "no subcommand given");
    EXPECT_EQ (parse ("fetch").error, "unknown subcommand \"fetch\"");
    EXPECT_EQ (parse ("dump").error, "dump takes 1 operand(s)");
    EXPECT_EQ (parse ("build a.json").error, "build needs -o FILE");
    EXPECT_EQ (parse ("get -o x.qx6 --simulator").error, "get needs --slot N");
    EXPECT_EQ (parse ("get --slot 0 -o x --simulator").error, "the slot must be a number from 1 to 24, not \"0\"");
    EXPECT_EQ (parse ("get --slot 25 -o x --simulator").error, "the slot must be a number from 1 to 24, not \"25\"");
    EXPECT_EQ (parse ("get --slot 2x -o x --simulator").error, "the slot must be a number from 1 to 24, not \"2x\"");
    EXPECT_EQ (parse ("get --slot").error, "--slot needs a value");
    EXPECT_EQ (parse ("sync sideways --simulator").error, "sync takes internal or external");
    EXPECT_EQ (parse ("backup --dir d --in a").error, "backup needs --in NAME --out NAME, or --simulator");
    EXPECT_EQ (parse ("dump x --verbose").error, "unknown option --verbose");
}
