#include "engine/MidiSetup.h"
#include "cli/ToolCommands.h"

#include <iostream>

int main (int argc, char* argv[])
{
    juce::StringArray arguments;
    for (int i = 1; i < argc; ++i)
        arguments.add (juce::String::fromUTF8 (argv[i]));

    const auto parsed = ToolArguments::parse (arguments);

    // The message loop carries the engine's timers and the hand-over of received presets.
    juce::ScopedJuceInitialiser_GUI juce;

    std::unique_ptr<MidiSetup> midi;
    if (parsed.usesMidi())
        midi = std::make_unique<MidiSetup> (parsed.useSimulator, parsed.midiLogPath.isEmpty()
                                                                     ? juce::File()
                                                                     : juce::File::getCurrentWorkingDirectory()
                                                                           .getChildFile (parsed.midiLogPath));

    if (midi != nullptr && ! midi->isLogOpen())
    {
        std::cerr << "qx61-tool: cannot write the MIDI log " << parsed.midiLogPath << "\n";
        return ToolCommands::failure;
    }

    ToolCommands commands (ModelConstants::qx61(), midi != nullptr ? &midi->getMidiManager() : nullptr,
                           std::cout, std::cerr);
    return commands.run (parsed);
}
