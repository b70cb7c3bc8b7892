#pragma once

#include "engine/midi/AlsaDeviceWatcher.h"
#include "engine/midi/MidiDeviceAnnouncer.h"

#include <set>

/** The system's MIDI ports, through juce::MidiInput and juce::MidiOutput, with ALSA's
    announcements telling the listeners of devices coming and going as it happens. */
class JuceMidiPortLayer : public MidiPortLayer
{
public:
    JuceMidiPortLayer();
    ~JuceMidiPortLayer() override;

    Devices getInputDevices() const override;
    Devices getOutputDevices() const override;
    std::unique_ptr<InputPort> openInput (const Device& device, Callback callback) override;
    std::unique_ptr<OutputPort> openOutput (const Device& device) override;

    void addListener (Listener* listener) override { announcer.add (listener); }
    void removeListener (Listener* listener) override { announcer.remove (listener); }

private:
    void announceGone (int client, int port);
    void remember (const juce::String& identifier);

    MidiDeviceAnnouncer announcer;

    // The identifiers ever opened: a client's exit stands for the exit of each of its ports.
    juce::CriticalSection openedLock;
    std::set<juce::String> opened;

    std::unique_ptr<AlsaDeviceWatcher> watcher;
};
