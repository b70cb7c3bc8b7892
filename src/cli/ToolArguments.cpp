#include "cli/ToolArguments.h"

#include "engine/simulator/SimulatedKeyboard.h"

#include <CLI/CLI.hpp>

#include <map>

namespace
{
using Command = ToolArguments::Command;

const std::map<std::string, Command> subcommands {
    { "dump", Command::dump },     { "build", Command::build },     { "ports", Command::ports },
    { "get", Command::get },       { "send", Command::send },       { "sync", Command::sync },
    { "backup", Command::backup }, { "restore", Command::restore }, { "mapping", Command::mapping },
    { "list", Command::list },
};

constexpr const char* exitStatuses = "Exit status: 0 on success; 1 when the work failed, with the reason on "
                                     "standard error; 2 when the command line is wrong.";

/** Plain strings for CLI11 to fill, turned into the arguments afterwards. */
struct Values
{
    std::string operand, output, directory, input, outputPort, midiLog;
    int slot = 0;
    bool simulator = false, version = false;
};

const CLI::Validator notEmpty (
    [] (std::string& value) { return value.empty() ? std::string ("must not be empty") : std::string(); }, "",
    "not empty");

void addMidiOptions (CLI::App& command, Values& values, bool needsPorts)
{
    if (needsPorts)
    {
        command.add_option ("--in", values.input, "the MIDI input port the keyboard is on")
            ->type_name ("NAME")
            ->check (notEmpty);
        command.add_option ("--out", values.outputPort, "the MIDI output port the keyboard is on")
            ->type_name ("NAME")
            ->check (notEmpty);
    }
    command.add_flag ("--simulator", values.simulator, "use the built-in simulated keyboard");
    command
        .add_option ("--midi-log", values.midiLog,
                     "write every MIDI message sent and received to FILE; the log starts afresh each run")
        ->type_name ("FILE")
        ->check (notEmpty);
    command.footer (exitStatuses);
}

CLI::App* addCommand (CLI::App& app, const char* name, const char* description)
{
    auto* command = app.add_subcommand (name, description);
    command->footer (exitStatuses);
    return command;
}

void addSlot (CLI::App& command, Values& values)
{
    command.add_option ("--slot", values.slot, "the preset slot")
        ->required()
        ->check (CLI::Range (ToolArguments::firstSlot, ToolArguments::lastSlot))
        ->type_name ("N");
}

void addCommands (CLI::App& app, Values& values)
{
    addCommand (app, "dump", "print the preset of a file as JSON")
        ->add_option ("FILE", values.operand, "a .qx6 preset file")
        ->required();

    auto* mapping = addCommand (app, "mapping", "print what every control of a preset file sends, as CSV");
    mapping->add_option ("FILE", values.operand, "a .qx6 preset file")->required();
    mapping->add_option ("-o", values.output, "the .csv or .pdf file to write instead")
        ->type_name ("FILE")
        ->check (notEmpty);

    auto* build = addCommand (app, "build", "write the preset that a JSON file describes");
    build->add_option ("FILE", values.operand, "a JSON file as dump prints it")->required();
    build->add_option ("-o", values.output, "the .qx6 file to write")->required()->type_name ("FILE")->check (notEmpty);

    addMidiOptions (*addCommand (app, "ports", "list the MIDI input and output ports"), values, false);

    auto* get = addCommand (app, "get", "read a preset slot of the keyboard into a file");
    addSlot (*get, values);
    get->add_option ("-o", values.output, "the .qx6 file to write")->required()->type_name ("FILE")->check (notEmpty);
    addMidiOptions (*get, values, true);

    auto* send = addCommand (app, "send", "write a preset file into a slot of the keyboard");
    addSlot (*send, values);
    send->add_option ("FILE", values.operand, "a .qx6 preset file")->required();
    addMidiOptions (*send, values, true);

    auto* sync = addCommand (app, "sync", "switch the keyboard's clock source");
    sync->add_option ("SOURCE", values.operand, "internal or external")
        ->required()
        ->check (CLI::IsMember ({ "internal", "external" }));
    addMidiOptions (*sync, values, true);

    auto* backup = addCommand (app, "backup", "read every slot into DIR/slot-01.qx6 ... slot-24.qx6");
    backup->add_option ("--dir", values.directory, "the folder")->required()->type_name ("DIR")->check (notEmpty);
    addMidiOptions (*backup, values, true);

    auto* restore =
        addCommand (app, "restore", "write DIR/slot-01.qx6 ... slot-24.qx6 into the slots, once every file is checked");
    restore->add_option ("--dir", values.directory, "the folder")->required()->type_name ("DIR")->check (notEmpty);
    addMidiOptions (*restore, values, true);

    addMidiOptions (*addCommand (app, "list", "print the name of every slot, reading only the names"), values, true);
}

juce::String fromStd (const std::string& text)
{
    return juce::String::fromUTF8 (text.c_str());
}

void take (ToolArguments& result, const Values& values)
{
    if (! values.operand.empty())
        result.operands.add (fromStd (values.operand));
    result.outputPath = fromStd (values.output);
    result.directory = fromStd (values.directory);
    result.slot = values.slot;
    result.inputPortName = fromStd (values.input);
    result.outputPortName = fromStd (values.outputPort);
    result.useSimulator = values.simulator;
    result.midiLogPath = fromStd (values.midiLog);
}

juce::String checkPorts (const ToolArguments& result, const std::string& name)
{
    if (result.usesMidi() && result.command != Command::ports && ! result.useSimulator
        && (result.inputPortName.isEmpty() || result.outputPortName.isEmpty()))
        return fromStd (name) + " needs --in NAME --out NAME, or --simulator";
    return {};
}
} // namespace

ToolArguments ToolArguments::parse (const juce::StringArray& arguments)
{
    ToolArguments result;
    Values values;

    CLI::App app ("Scripts the QX61 keyboard and converts its presets.", "qx61-tool");
    app.add_flag ("--version", values.version, "print the version");
    app.footer (exitStatuses);
    app.require_subcommand (0, 1);
    addCommands (app, values);

    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed;
    for (int i = arguments.size(); --i >= 0;)
        reversed.push_back (arguments[i].toStdString());

    try
    {
        app.parse (reversed);
    }
    catch (const CLI::CallForHelp&)
    {
        result.command = Command::help;
        result.helpText = fromStd (app.help());
        return result;
    }
    catch (const CLI::ParseError& error)
    {
        result.error = fromStd (error.what());
        return result;
    }

    const auto chosen = app.get_subcommands();
    const auto name = chosen.empty() ? std::string() : chosen.front()->get_name();

    if (values.version)
        result.command = Command::version;
    else if (chosen.empty())
        result.error = "no subcommand given";
    else
        result.command = subcommands.at (name);

    take (result, values);

    if (result.error.isEmpty())
        result.error = checkPorts (result, name);

    return result;
}

bool ToolArguments::usesMidi() const
{
    switch (command)
    {
        case Command::help:
        case Command::version:
        case Command::dump:
        case Command::mapping:
        case Command::build: return false;
        case Command::ports:
        case Command::get:
        case Command::send:
        case Command::sync:
        case Command::backup:
        case Command::restore:
        case Command::list: return true;
    }
    return false;
}

bool ToolArguments::usesSystemPorts() const
{
    // The simulated keyboard alone needs no MIDI system, so a missing one goes unmentioned.
    const auto isSimulator = [] (const juce::String& port) {
        return port.isEmpty() || port == SimulatedKeyboard::portName;
    };
    return ! useSimulator || command == Command::ports || ! isSimulator (inputPortName)
           || ! isSimulator (outputPortName);
}
