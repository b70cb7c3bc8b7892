#pragma once

#include "cli/ToolArguments.h"
#include "engine/QXEditorEngine.h"
#include "model/ModelConstants.h"

#include <functional>
#include <iosfwd>

class PresetTransfer;

/** Carries out one qx61-tool subcommand. Output goes to `out`, progress and the one-line
    reason for a failure to `err`; the result is the process's exit status. */
class ToolCommands
{
public:
    static constexpr int success = 0;
    static constexpr int failure = 1;
    static constexpr int usageError = 2;

    /** A preset JSON is about 12 KiB; anything this large is not one. */
    static constexpr size_t maxJsonBytes = 1 << 20;

    /** The MIDI manager is used by the keyboard subcommands only and may be null otherwise. */
    ToolCommands (const ModelConstants& constants, KeyboardLink* keyboard, std::ostream& out, std::ostream& err);

    /** Shortens the engine's pauses; only tests call it. */
    void setTiming (const QXEditorEngine::Timing& timing) { testTiming = timing; }

    int run (const ToolArguments& arguments);

private:
    juce::Result carryOut (const ToolArguments& arguments);

    /** Writes to standard output, and says so when that fails. */
    juce::Result print (const std::string& text);

    juce::Result dump (const juce::File& source);
    juce::Result mapping (const juce::File& source, const juce::String& outputPath);
    juce::Result readModel (const juce::File& source, PresetModel& model) const;
    juce::Result build (const juce::File& source, const juce::File& target);
    juce::Result listPorts();
    juce::Result selectPorts (const ToolArguments& arguments);
    juce::Result onKeyboard (const ToolArguments& arguments, const std::function<juce::Result (PresetTransfer&)>& work);
    juce::Result backup (PresetTransfer& transfer, const juce::File& directory);
    juce::Result restore (PresetTransfer& transfer, const juce::File& directory);
    juce::Result listNames (PresetTransfer& transfer);

    ModelConstants constants;
    KeyboardLink* keyboard;
    std::ostream& out;
    std::ostream& err;
    std::optional<QXEditorEngine::Timing> testTiming;
};
