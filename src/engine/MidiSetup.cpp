#include "engine/MidiSetup.h"

#include "engine/midi/CombinedMidiPortLayer.h"
#include "engine/midi/JuceMidiPortLayer.h"

MidiSetup::MidiSetup (Ports ports, const juce::File& logFile)
{
    if (ports == Ports::system)
    {
        keyboard = std::make_unique<KeyboardLink>();
    }
    else
    {
        virtualPorts = std::make_shared<VirtualMidiPortLayer>();
        simulator = std::make_unique<SimulatedKeyboard> (*virtualPorts);

        if (ports == Ports::simulatorOnly)
        {
            keyboard = std::make_unique<KeyboardLink> (virtualPorts);
        }
        else
        {
            std::vector<std::shared_ptr<MidiPortLayer>> layers { std::make_shared<JuceMidiPortLayer>(), virtualPorts };
            keyboard = std::make_unique<KeyboardLink> (std::make_shared<CombinedMidiPortLayer> (std::move (layers)));
        }

        getMidiManager().setInputDevice (SimulatedKeyboard::portName);
        getMidiManager().setOutputDevice (SimulatedKeyboard::portName);
    }

    if (logFile != juce::File())
    {
        log = std::make_shared<MidiLog> (logFile);

        if (log->isOpen())
            getMidiManager().setLog (log);
    }
}

MidiSetup::~MidiSetup()
{
    // The manager's ports belong to the layers below it.
    keyboard.reset();
}
