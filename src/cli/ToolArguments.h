#pragma once

#include "model/ModelConstants.h"

#include <juce_core/juce_core.h>

/** The command line of qx61-tool, parsed: one subcommand, its operands and its options. */
struct ToolArguments
{
    enum class Command
    {
        help,
        version,
        dump,
        mapping,
        build,
        ports,
        get,
        send,
        sync,
        backup,
        restore,
        list
    };

    Command command = Command::help;
    juce::StringArray operands;  // what follows the subcommand that is not an option
    juce::String outputPath;     // -o
    juce::String directory;      // --dir
    int slot = 0;                // --slot, 1..24 as the editor's dialogs number them
    juce::String inputPortName;  // --in
    juce::String outputPortName; // --out
    bool useSimulator = false;   // --simulator
    juce::String midiLogPath;    // --midi-log

    /** Empty when the command line made sense; otherwise what was wrong, in one line. */
    juce::String error;

    /** For "help": the help of the subcommand asked about, or of the whole tool. */
    juce::String helpText;

    static constexpr int firstSlot = 1;
    static constexpr int lastSlot = ModelConstants::numSlots;

    static ToolArguments parse (const juce::StringArray& arguments);

    bool usesMidi() const;

    /** False when the simulated keyboard alone is used, so the system's MIDI need not be opened. */
    bool usesSystemPorts() const;
};
