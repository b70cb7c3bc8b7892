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
    EXPECT_EQ (parse ("ports --midi-log /tmp/log.txt").midiLogPath, "/tmp/log.txt");

    const auto send = parse ("send --in \"QX61 In\" --out \"QX61 Out\" --slot 1 preset.qx6");
    EXPECT_EQ (send.error, "");
    EXPECT_EQ (send.inputPortName, "QX61 In");
    EXPECT_EQ (send.operands, juce::StringArray { "preset.qx6" });

    for (const auto* line : { "ports", "sync external --simulator", "dump x.qx6", "backup --dir d --simulator" })
        EXPECT_EQ (parse (line).error, "") << line;
    EXPECT_EQ (parse ("--version").command, "version");
}

TEST (ToolArguments, HelpIsPerSubcommand)
{
    const std::pair<const char*, const char*> cases[] {
        { "--help", "backup" }, { "get --help", "--slot" }, { "restore -h", "--dir" }, { "ports --help", "afresh" },
    };

    for (const auto& [line, expected] : cases)
    {
        const auto parsed = parse (line);
        EXPECT_EQ (parsed.command, "help") << line;
        EXPECT_TRUE (parsed.helpText.contains (expected)) << line << "\n" << parsed.helpText;
        EXPECT_TRUE (parsed.helpText.contains ("2 when the command line is wrong")) << line;
    }
}

TEST (ToolArguments, BadCommandLinesSayWhatIsWrong)
{
    const std::pair<const char*, const char*> cases[] {
        { "", "no subcommand given" },
        { "fetch", "fetch" },
        { "dump", "FILE is required" },
        { "build a.json", "-o is required" },
        { "get -o x.qx6 --simulator", "--slot is required" },
        { "get --slot 0 -o x --simulator", "not in range" },
        { "get --slot 25 -o x --simulator", "not in range" },
        { "get --slot 2x -o x --simulator", "2x" },
        { "get --slot", "--slot" },
        { "sync sideways --simulator", "sideways" },
        { "backup --dir d --in a", "backup needs --in NAME --out NAME, or --simulator" },
        { "dump x --verbose", "--verbose" },
        { "get --slot 1 -o x --simulator --midi-log=", "--midi-log" },
        { "get --slot 1 -o x --simulator --midi-log \"\"", "--midi-log" },
        { "get --slot 1 -o x --simulator --midi-log", "--midi-log" },
    };

    for (const auto& [line, expected] : cases)
    {
        const auto error = parse (line).error;
        EXPECT_TRUE (error.contains (expected)) << line << ": " << error;
    }

    EXPECT_TRUE (ToolArguments::parse ({ "get", "--slot", "1", "-o", "x", "--simulator", "--midi-log", "" })
                     .error.contains ("must not be empty"));
}
