#pragma once

#include "engine/MidiPortLayer.h"
#include "model/ListenerArray.h"

#include <deque>

/** The device behind an in-process input port. What it sends arrives, on a thread of its own as
    from a real port, at every started port opened on it; while it is unplugged it sends nothing.
    Create it with std::make_shared: open ports keep it alive. */
class VirtualMidiInput : public std::enable_shared_from_this<VirtualMidiInput>,
                         private juce::Thread
{
public:
    explicit VirtualMidiInput (const juce::String& name);
    ~VirtualMidiInput() override;

    const juce::String& getName() const { return name; }

    /** Queues a message for delivery; dropped while unplugged. Any thread. */
    void send (const juce::MidiMessage& message);

    bool isPluggedIn() const { return pluggedIn; }

    /** The layer plugs and unplugs it; unplugging discards what was not yet delivered. */
    void setPluggedIn (bool shouldBePluggedIn);

    std::unique_ptr<MidiPortLayer::InputPort> openPort (MidiPortLayer::Callback callback);

private:
    class Port;

    void run() override;
    void deliver (const juce::MidiMessage& message);
    std::deque<juce::MidiMessage> takeQueue();

    const juce::String name;
    std::atomic<bool> pluggedIn { false };

    juce::CriticalSection queueLock;
    std::deque<juce::MidiMessage> queue;

    // Held for a whole delivery, so a port that has left the list is never called again.
    juce::CriticalSection portLock;
    ListenerArray<Port> ports;

    JUCE_DECLARE_NON_COPYABLE (VirtualMidiInput)
};
