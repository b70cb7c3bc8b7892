#pragma once

#include "engine/midi/MidiPortLayer.h"

/** The device behind an in-process output port: its receiver gets, on the sender's thread, what
    is sent to any port opened on it since it was last plugged in (as with ALSA, a port opened
    before an unplug stays mute). Create it with std::make_shared. */
class VirtualMidiOutput : public std::enable_shared_from_this<VirtualMidiOutput>
{
public:
    using Receiver = std::function<void (const juce::MidiMessage&)>;

    /** An empty identifier stands for one of its own that no other device has. */
    VirtualMidiOutput (const juce::String& name, Receiver receiver, const juce::String& identifier = {});

    const juce::String& getName() const { return name; }
    const juce::String& getIdentifier() const { return identifier; }

    bool isPluggedIn() const { return pluggedIn; }
    void setPluggedIn (bool shouldBePluggedIn);

    /** Once this returns the receiver is never called again (its owner is going away). */
    void detach();

    std::unique_ptr<MidiPortLayer::OutputPort> openPort();

private:
    class Port;

    void receive (const juce::MidiMessage& message, int portPlugCount);

    const juce::String name;
    const juce::String identifier;
    std::atomic<bool> pluggedIn { false };
    std::atomic<int> plugCount { 0 };

    juce::CriticalSection receiverLock;
    Receiver receiver;

    JUCE_DECLARE_NON_COPYABLE (VirtualMidiOutput)
};
