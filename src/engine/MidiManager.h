#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

/** The program's one link to the MIDI ports: one input and one output, chosen by name.
    (Placeholder: the port layer and device watch come with the device link.) */
class MidiManager
{
public:
    class MidiManagerListener
    {
    public:
        virtual void handleMidiMessage (const juce::MidiMessage& message) = 0;
        virtual ~MidiManagerListener() = default;
    };

    MidiManager() = default;
    virtual ~MidiManager() = default;

    void addListener (MidiManagerListener*) {}
    void removeListener (MidiManagerListener*) {}
    bool isConnected() const { return false; }
    bool isOutputOpen() const { return false; }
    bool sendMessage (const juce::MidiMessage&) { return false; }

private:
    JUCE_DECLARE_NON_COPYABLE (MidiManager)
};
