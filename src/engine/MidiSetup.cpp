#include "engine/MidiSetup.h"

#include "engine/midi/CombinedMidiPortLayer.h"
#include "engine/midi/JuceMidiPortLayer.h"

MidiSetup::MidiSetup (bool withSimulator, const juce::File& logFile)
{
    if (! withSimulator)
    {
        midiManager = std::make_unique<MidiManager>();
    }
    else
    {
        virtualPorts = std::make_shared<VirtualMidiPortLayer>();
        simulator = std::make_unique<SimulatedKeyboard> (*virtualPorts);

        std::vector<std::shared_ptr<MidiPortLayer>> layers { std::make_shared<JuceMidiPortLayer>(), virtualPorts };
        midiManager = std::make_unique<MidiManager> (std::make_shared<CombinedMidiPortLayer> (std::move (layers)));
        midiManager->setInputDevice (SimulatedKeyboard::portName);
        midiManager->setOutputDevice (SimulatedKeyboard::portName);
    }

    if (logFile != juce::File())
    {
        log = std::make_shared<MidiLog> (logFile);

        if (log->isOpen())
            midiManager->setLog (log);
    }
}

MidiSetup::~MidiSetup()
{
    // The manager's ports belong to the layers below it.
    midiManager.reset();
}
