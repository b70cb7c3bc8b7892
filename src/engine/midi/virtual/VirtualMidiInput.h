#pragma once

#include "engine/midi/MidiPortLayer.h"
#include "model/ListenerArray.h"

#include <deque>

/** The device behind an in-process input port. What it sends arrives, on a thread of its own as
    from a real port, at every started port opened on it since it was last plugged in; as with
    ALSA, a port opened before an unplug stays deaf after the device is plugged in again.
    Create it with std::make_shared: open ports keep it alive. */
class VirtualMidiInput : public std::enable_shared_from_this<VirtualMidiInput>, private juce::Thread
{
public:
    /** An empty identifier stands for one of its own that no other device has. */
    explicit VirtualMidiInput (const juce::String& name, const juce::String& identifier = {});
    ~VirtualMidiInput() override;

    const juce::String& getName() const { return name; }
    const juce::String& getIdentifier() const { return identifier; }

    /** Queues a message for delivery; dropped while unplugged. Any thread. */
    void send (const juce::MidiMessage& message);

    bool isPluggedIn() const { return pluggedIn; }

    /** The layer plugs and unplugs it; unplugging discards what was not yet delivered and leaves
        the ports opened so far deaf for good. */
    void setPluggedIn (bool shouldBePluggedIn);

    std::unique_ptr<MidiPortLayer::InputPort> openPort (MidiPortLayer::Callback callback);

private:
    class Port;

    void run() override;
    void deliver (const juce::MidiMessage& message);
    std::deque<juce::MidiMessage> takeQueue();

    const juce::String name;
    const juce::String identifier;
    std::atomic<bool> pluggedIn { false };
    std::atomic<int> plugCount { 0 };

    juce::CriticalSection queueLock;
    std::deque<juce::MidiMessage> queue;

    // Held for a whole delivery, so a port that has left the list is never called again.
    juce::CriticalSection portLock;
    ListenerArray<Port> ports;

    JUCE_DECLARE_NON_COPYABLE (VirtualMidiInput)
};
