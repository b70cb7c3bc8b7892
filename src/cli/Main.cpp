#include "cli/PresetTransfer.h"
#include "cli/ToolCommands.h"
#include "engine/MidiSetup.h"
#include "engine/files/FileAccess.h"

#include <csignal>
#include <iostream>

namespace
{
juce::File fromWorkingDirectory (const juce::String& path)
{
    return path.isEmpty() ? juce::File() : juce::File::getCurrentWorkingDirectory().getChildFile (path);
}

MidiSetup::Ports portsFor (const ToolArguments& arguments)
{
    if (! arguments.useSimulator)
        return MidiSetup::Ports::system;
    return arguments.usesSystemPorts() ? MidiSetup::Ports::systemAndSimulator : MidiSetup::Ports::simulatorOnly;
}
} // namespace

int main (int argc, char* argv[])
{
    // A write beyond the file-size limit (the MIDI log's, standard output's, a preset's) then
    // fails with "File too large" and its reason, instead of killing the tool without a word.
    std::signal (SIGXFSZ, SIG_IGN);

    juce::StringArray arguments;
    for (int i = 1; i < argc; ++i)
        arguments.add (juce::String::fromUTF8 (argv[i]));

    const auto parsed = ToolArguments::parse (arguments);

    // The message loop carries the engine's timers and the hand-over of received presets.
    juce::ScopedJuceInitialiser_GUI juce;

    std::unique_ptr<MidiSetup> midi;
    if (parsed.usesMidi() && parsed.error.isEmpty())
        midi = std::make_unique<MidiSetup> (portsFor (parsed), fromWorkingDirectory (parsed.midiLogPath));

    if (midi != nullptr && ! midi->isLogOpen())
    {
        const auto log = fromWorkingDirectory (parsed.midiLogPath);
        const auto why = FileAccess::checkWritable (log);
        std::cerr << "qx61-tool: "
                  << PresetTransfer::logFailure (why.failed() ? why.getErrorMessage() : log.getFullPathName()) << "\n";
        return ToolCommands::failure;
    }

    // A script should not hang behind an editor's send; the failure names who holds the port.
    constexpr int portLockWaitMs = 5000;

    if (midi != nullptr)
        midi->getKeyboard().getTransferQueue().setPortLockWait (portLockWaitMs);

    ToolCommands commands (ModelConstants::qx61(), midi != nullptr ? &midi->getKeyboard() : nullptr, std::cout,
                           std::cerr);
    return commands.run (parsed);
}
