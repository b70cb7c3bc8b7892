#include "cli/ToolCommands.h"
#include "cli/ToolArguments.h"
#include "engine/EngineTestSupport.h"
#include "engine/files/PresetFile.h"
#include "engine/midi/virtual/VirtualMidiPortLayer.h"
#include "engine/simulator/SimulatedKeyboard.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace EngineTestSupport;

namespace
{
/** The arguments of a command line, split as a shell would split it. */
ToolArguments parse (const juce::String& commandLine)
{
    auto tokens = juce::StringArray::fromTokens (commandLine, " ", "\"");
    for (auto& token : tokens)
        token = token.unquoted();
    tokens.removeEmptyStrings();
    return ToolArguments::parse (tokens);
}

class ToolCommandsTest : public ::testing::Test
{
protected:
    std::shared_ptr<VirtualMidiPortLayer> ports = std::make_shared<VirtualMidiPortLayer>();
    SimulatedKeyboard keyboard { *ports };
    KeyboardLink link { ports };
    MidiManager& midiManager = link.getMidiManager();
    TemporaryFolder folder;
    std::ostringstream out, err;
    ModelConstants constants = ModelConstants::qx61();

    int run (const juce::StringArray& arguments)
    {
        out.str ({});
        err.str ({});
        ToolCommands commands (constants, &link, out, err);
        commands.setTiming ({ 0, 0, 300, 3 });
        return commands.run (ToolArguments::parse (arguments));
    }

    juce::String path (const juce::String& name) const { return folder.file (name).getFullPathName(); }

    int runOnKeyboard (juce::StringArray arguments)
    {
        arguments.addArray ({ "--in", "QX61 Simulator", "--out", "QX61 Simulator" });
        return run (arguments);
    }

    Bytes slotMessage (int slot) const
    {
        return SysExMessages::presetMessage (constants.modelId, 0, keyboard.getSlotData (slot));
    }
};
} // namespace

TEST_F (ToolCommandsTest, DumpAndBuildRoundTripAFileAndRefuseWhatTheyCannotRead)
{
    const auto source = folder.fileWith ("in.qx6", slotMessage (4));

    ASSERT_EQ (run ({ "dump", source.getFullPathName() }), ToolCommands::success) << err.str();
    EXPECT_NE (out.str().find ("\"name\": \"Sim Preset 05   \""), std::string::npos);
    folder.file ("preset.json").replaceWithText (out.str());

    ASSERT_EQ (run ({ "build", path ("preset.json"), "-o", path ("out.qx6") }), ToolCommands::success) << err.str();
    EXPECT_EQ (contentsOf (folder.file ("out.qx6")), slotMessage (4));

    // A file it cannot read leaves standard output empty.
    folder.fileWith ("short.qx6", zeros (475));
    EXPECT_EQ (run ({ "dump", path ("short.qx6") }), ToolCommands::failure);
    EXPECT_EQ (out.str(), "");
}

TEST_F (ToolCommandsTest, MappingPrintsOrWritesTheCsvOfAPresetFile)
{
    const auto source = folder.fileWith ("in.qx6", ModelConstants::qx61DefaultPreset());

    ASSERT_EQ (run ({ "mapping", source.getFullPathName() }), ToolCommands::success) << err.str();
    const auto printed = juce::String (out.str());
    EXPECT_TRUE (printed.startsWith ("Control,Mode,Channel,Message,Value 1,Value 2,MIDI to DIN,Conflicts with\n"));
    EXPECT_TRUE (printed.contains ("\nSwitch 17,CC Toggle,1,CC 64")) << printed;

    ASSERT_EQ (run ({ "mapping", source.getFullPathName(), "-o", path ("map.csv") }), ToolCommands::success);
    EXPECT_EQ (out.str(), "");
    EXPECT_EQ (folder.file ("map.csv").loadFileAsString(), printed);

    // The printed sheet names every control, as its text read back by poppler shows.
    ASSERT_EQ (run ({ "mapping", source.getFullPathName(), "-o", path ("map.pdf") }), ToolCommands::success)
        << err.str();
    juce::ChildProcess pdfToText;
    ASSERT_TRUE (pdfToText.start (juce::StringArray { "pdftotext", "-layout", path ("map.pdf"), "-" }));
    const auto text = pdfToText.readAllProcessOutput();
    EXPECT_TRUE (text.contains ("0000000000000000")); // the default preset's name

    for (const auto& line : juce::StringArray::fromLines (printed.trimEnd()))
        EXPECT_TRUE (text.contains (line.upToFirstOccurrenceOf (",", false, false))) << line;
}

TEST_F (ToolCommandsTest, GetSendAndSyncGoThroughTheKeyboardAndAFailedGetLeavesNoFile)
{
    ASSERT_EQ (runOnKeyboard ({ "get", "--slot", "2", "-o", path ("two.qx6") }), ToolCommands::success) << err.str();
    EXPECT_EQ (contentsOf (folder.file ("two.qx6")), slotMessage (1));
    EXPECT_EQ (out.str(), "") << "the engine's notes on a get go to standard error";
    EXPECT_NE (err.str().find ("starting get"), std::string::npos);

    auto data = keyboard.getSlotData (5);
    data.set (100, 99);
    folder.fileWith ("six.qx6", SysExMessages::presetMessage (constants.modelId, 0, data));
    ASSERT_EQ (runOnKeyboard ({ "send", "--slot", "1", path ("six.qx6") }), ToolCommands::success) << err.str();
    EXPECT_EQ (keyboard.getSlotData (0), data);

    ASSERT_EQ (runOnKeyboard ({ "list" }), ToolCommands::success) << err.str();
    const auto listed = juce::StringArray::fromLines (out.str());
    EXPECT_EQ (listed[0], "01  Sim Preset 06") << "slot 1 was sent slot 6's preset";
    EXPECT_EQ (listed[23], "24  Sim Preset 24");
    EXPECT_EQ (listed.size(), 25) << "24 lines and the end";

    ASSERT_EQ (runOnKeyboard ({ "sync", "external" }), ToolCommands::success);
    EXPECT_EQ (keyboard.getLastSync(), std::optional<bool> (true));

    ASSERT_EQ (run ({ "--version" }), ToolCommands::success);
    EXPECT_EQ (out.str().rfind ("qx61-tool ", 0), 0u) << out.str();
    ASSERT_EQ (run ({ "ports" }), ToolCommands::success);
    EXPECT_EQ (out.str(), "inputs:\n  QX61 Simulator\noutputs:\n  QX61 Simulator\n");

    // A failed get leaves no file and names the reason.
    EXPECT_EQ (run ({ "get", "--slot", "1", "-o", path ("x.qx6"), "--in", "Nothing", "--out", "QX61 Simulator" }),
               ToolCommands::failure);
    EXPECT_EQ (err.str(), "qx61-tool: unknown MIDI input port \"Nothing\"\n");

    SimulatedKeyboard::ReplyBehaviour silent;
    silent.dropShare = 1.0;
    keyboard.setReplyBehaviour (silent);

    EXPECT_EQ (runOnKeyboard ({ "get", "--slot", "1", "-o", path ("x.qx6") }), ToolCommands::failure);
    EXPECT_NE (err.str().find ("no complete answer"), std::string::npos);
    EXPECT_FALSE (folder.file ("x.qx6").exists());
}

TEST_F (ToolCommandsTest, OutputThatCannotBeWrittenIsFoundBeforeTheKeyboardIsRead)
{
    folder.file ("folder").createDirectory();
    folder.fileWith ("file", zeros (1));

    const std::pair<juce::StringArray, juce::String> cases[] {
        { { "get", "--slot", "1", "-o", path ("folder") }, path ("folder") + ": is a directory" },
        { { "get", "--slot", "1", "-o", path ("missing/x.qx6") },
          path ("missing/x.qx6") + ": No such file or directory" },
        { { "backup", "--dir", path ("file") }, path ("file") + ": Not a directory" },
        { { "backup", "--dir", path ("folder/slot-07.qx6/..") }, path ("folder/slot-07.qx6") },
    };
    folder.file ("folder/slot-07.qx6").createDirectory();

    for (const auto& [arguments, reason] : cases)
    {
        EXPECT_EQ (runOnKeyboard (arguments), ToolCommands::failure);
        EXPECT_NE (err.str().find (reason.toStdString()), std::string::npos) << err.str();
        EXPECT_EQ (keyboard.getReadRequestCount(), 0);
    }
}

TEST_F (ToolCommandsTest, BackupAndRestoreEverySlot)
{
    // Lost replies make gets retry, and the retry's answers still arrive after the get is
    // complete: none of them may land in the next slot's file.
    keyboard.setRandomSeed (5);
    keyboard.setReplyBehaviour ({ 20, 5, 0.01, 0.2 });
    ASSERT_EQ (runOnKeyboard ({ "backup", "--dir", path ("backup") }), ToolCommands::success) << err.str();
    keyboard.setReplyBehaviour ({});
    for (int slot = 1; slot <= 24; ++slot)
        EXPECT_EQ (contentsOf (PresetFile::forSlot (folder.file ("backup"), slot)), slotMessage (slot - 1)) << slot;
    EXPECT_NE (err.str().find ("slot 24 of 24"), std::string::npos);

    // Restoring swaps slots 1 and 2 through their files.
    const auto one = PresetFile::forSlot (folder.file ("backup"), 1);
    const auto two = PresetFile::forSlot (folder.file ("backup"), 2);
    const auto firstData = keyboard.getSlotData (0), secondData = keyboard.getSlotData (1);
    one.moveFileTo (folder.file ("swap"));
    two.moveFileTo (one);
    folder.file ("swap").moveFileTo (two);

    const juce::StringArray restore { "restore", "--dir", path ("backup") };
    ASSERT_EQ (runOnKeyboard (restore), ToolCommands::success) << err.str();
    EXPECT_EQ (keyboard.getSlotData (0), secondData);
    EXPECT_EQ (keyboard.getSlotData (1), firstData);

    // A file the send would refuse stops the restore before anything is sent.
    const auto writesBefore = keyboard.getWriteCount();
    auto data = keyboard.getSlotData (19);
    data.set (constants.getLayout().knobOffset (2) + 1, 200);
    const auto twenty = PresetFile::forSlot (folder.file ("backup"), 20);
    twenty.replaceWithData (SysExMessages::presetMessage (constants.modelId, 0, data).getRawDataPointer(), 476);
    EXPECT_EQ (runOnKeyboard (restore), ToolCommands::failure);
    EXPECT_EQ (err.str(), "qx61-tool: slot 20: " + twenty.getFullPathName()
                              + ": knobs[2] \"CC\" is 200, above the 127 that MIDI can carry\n");

    PresetFile::forSlot (folder.file ("backup"), 24).replaceWithText ("not a preset");
    EXPECT_EQ (runOnKeyboard (restore), ToolCommands::failure);
    EXPECT_EQ (keyboard.getWriteCount(), writesBefore);
}

TEST (ToolArguments, SubcommandsTakeTheirOperandsAndOptions)
{
    const auto get = parse ("get --slot 24 -o out.qx6 --simulator --midi-log=/tmp/log.txt");
    EXPECT_EQ (get.error, "");
    EXPECT_EQ (get.command, ToolArguments::Command::get);
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
    EXPECT_EQ (parse ("--version").command, ToolArguments::Command::version);
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
