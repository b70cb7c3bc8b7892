#pragma once

#include "engine/KeyboardLink.h"
#include "engine/midi/MidiLog.h"
#include "engine/simulator/SimulatedKeyboard.h"

/** The program's MIDI manager with the ports the command line asks for: the system's, with the
    simulated keyboard's after them and chosen at start when asked, and the MIDI log. */
class MidiSetup
{
public:
    enum class Ports
    {
        system,
        systemAndSimulator,
        /** Opens nothing of the system's MIDI, so a machine without any says nothing about it. */
        simulatorOnly
    };

    /** An empty log file means no log. */
    MidiSetup (Ports ports, const juce::File& logFile);
    ~MidiSetup();

    KeyboardLink& getKeyboard() { return *keyboard; }
    MidiManager& getMidiManager() { return keyboard->getMidiManager(); }
    SimulatedKeyboard* getSimulator() { return simulator.get(); }

    /** False when a log was asked for and its file could not be created. */
    bool isLogOpen() const { return log == nullptr || log->isOpen(); }

private:
    std::shared_ptr<VirtualMidiPortLayer> virtualPorts;
    std::unique_ptr<SimulatedKeyboard> simulator;
    std::shared_ptr<MidiLog> log;
    std::unique_ptr<KeyboardLink> keyboard;

    JUCE_DECLARE_NON_COPYABLE (MidiSetup)
};
