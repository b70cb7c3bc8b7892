#include "cli/ToolArguments.h"

namespace
{
const juce::StringArray midiCommands { "ports", "get", "send", "sync", "backup", "restore" };
const juce::StringArray allCommands { "dump", "build", "ports", "get", "send", "sync", "backup", "restore" };

// How many operands each subcommand takes.
int operandCount (const juce::String& command)
{
    if (command == "dump" || command == "build" || command == "send" || command == "sync")
        return 1;
    return 0;
}

class Parser
{
public:
    explicit Parser (const juce::StringArray& argumentsIn) : arguments (argumentsIn) {}

    ToolArguments run()
    {
        while (position < arguments.size() && result.error.isEmpty())
            take (arguments[position++]);

        if (result.error.isEmpty())
            check();

        return result;
    }

private:
    void take (const juce::String& argument)
    {
        if (argument == "--help" || argument == "-h")
            result.command = "help";
        else if (argument == "--version")
            result.command = "version";
        else if (argument == "-o")
            result.outputPath = value (argument);
        else if (argument == "--dir")
            result.directory = value (argument);
        else if (argument == "--in")
            result.inputPortName = value (argument);
        else if (argument == "--out")
            result.outputPortName = value (argument);
        else if (argument == "--slot")
            takeSlot (value (argument));
        else if (argument == "--simulator")
            result.useSimulator = true;
        else if (argument.startsWith ("--midi-log="))
            result.midiLogPath = argument.fromFirstOccurrenceOf ("=", false, false);
        else if (argument.startsWith ("-") && argument != "-")
            result.error = "unknown option " + argument;
        else if (result.command.isEmpty())
            result.command = argument;
        else
            result.operands.add (argument);
    }

    juce::String value (const juce::String& option)
    {
        if (position >= arguments.size())
        {
            result.error = option + " needs a value";
            return {};
        }

        return arguments[position++];
    }

    void takeSlot (const juce::String& text)
    {
        if (result.error.isNotEmpty())
            return;

        const auto trimmed = text.trim();
        const auto number = trimmed.getIntValue();

        if (! trimmed.containsOnly ("0123456789") || trimmed.isEmpty()
            || number < ToolArguments::firstSlot || number > ToolArguments::lastSlot)
            result.error = "the slot must be a number from 1 to 24, not \"" + text + "\"";
        else
            result.slot = number;
    }

    void check()
    {
        const auto& command = result.command;

        if (command == "help" || command == "version")
            return;
        if (command.isEmpty())
            result.error = "no subcommand given";
        else if (! allCommands.contains (command))
            result.error = "unknown subcommand \"" + command + "\"";
        else if (result.operands.size() != operandCount (command))
            result.error = command + " takes " + juce::String (operandCount (command)) + " operand(s)";
        else if ((command == "build" || command == "get") && result.outputPath.isEmpty())
            result.error = command + " needs -o FILE";
        else if ((command == "get" || command == "send") && result.slot == 0)
            result.error = command + " needs --slot N";
        else if ((command == "backup" || command == "restore") && result.directory.isEmpty())
            result.error = command + " needs --dir DIR";
        else if (command == "sync" && result.operands[0] != "internal" && result.operands[0] != "external")
            result.error = "sync takes internal or external";
        else if (result.usesMidi() && ! result.useSimulator && command != "ports"
                 && (result.inputPortName.isEmpty() || result.outputPortName.isEmpty()))
            result.error = command + " needs --in NAME --out NAME, or --simulator";
    }

    const juce::StringArray& arguments;
    int position = 0;
    ToolArguments result;
};
} // namespace

ToolArguments ToolArguments::parse (const juce::StringArray& arguments)
{
    return Parser (arguments).run();
}

bool ToolArguments::usesMidi() const
{
    return midiCommands.contains (command);
}

juce::String ToolArguments::usage()
{
    return "Usage: qx61-tool SUBCOMMAND [OPTIONS]\n"
           "\n"
           "Presets and files:\n"
           "  dump FILE.qx6                 print the preset as JSON\n"
           "  build FILE.json -o FILE.qx6   write the preset that a JSON describes\n"
           "\n"
           "The keyboard (slots are 1 to 24):\n"
           "  ports                         list the MIDI input and output ports\n"
           "  get --slot N -o FILE.qx6      read a preset slot into a file\n"
           "  send --slot N FILE.qx6        write a file into a preset slot\n"
           "  sync internal|external        switch the keyboard's clock source\n"
           "  backup --dir DIR              read every slot into DIR/slot-01.qx6 ... slot-24.qx6\n"
           "  restore --dir DIR             write DIR/slot-01.qx6 ... slot-24.qx6 into the slots\n"
           "\n"
           "Options for the keyboard subcommands:\n"
           "  --in NAME --out NAME          the MIDI ports the keyboard is on\n"
           "  --simulator                   use the built-in simulated keyboard instead\n"
           "  --midi-log=FILE               append every MIDI message sent and received to FILE\n"
           "\n"
           "  --help, --version\n"
           "\n"
           "Exit status: 0 on success; otherwise 1, with the reason on standard error.\n";
}
