#pragma once

#include "engine/MidiPortLayer.h"

/** The device behind an in-process output port: its receiver gets, on the sender's thread, what
    is sent to any port opened on it while it is plugged in. Create it with std::make_shared. */
class VirtualMidiOutput : public std::enable_shared_from_this<VirtualMidiOutput>
{
public:
    using Receiver = std::function<void (const juce::MidiMessage&)>;

    VirtualMidiOutput (const juce::String& name, Receiver receiver);

    const juce::String& getName() const { return name; }

    bool isPluggedIn() const { return pluggedIn; }
    void setPluggedIn (bool shouldBePluggedIn) { pluggedIn = shouldBePluggedIn; }

    /** Once this returns the receiver is never called again (its owner is going away). */
    void detach();

    std::unique_ptr<MidiPortLayer::OutputPort> openPort();

private:
    class Port;

    void receive (const juce::MidiMessage& message);

    const juce::String name;
    std::atomic<bool> pluggedIn { false };

    juce::CriticalSection receiverLock;
    Receiver receiver;

    JUCE_DECLARE_NON_COPYABLE (VirtualMidiOutput)
};
