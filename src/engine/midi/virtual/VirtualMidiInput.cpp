#include "engine/midi/virtual/VirtualMidiInput.h"

class VirtualMidiInput::Port : public MidiPortLayer::InputPort
{
public:
    Port (std::shared_ptr<VirtualMidiInput> deviceIn, MidiPortLayer::Callback callbackIn)
        : device (std::move (deviceIn)),
          callback (std::move (callbackIn)),
          plugCount (device->plugCount)
    {
        const juce::ScopedLock sl (device->portLock);
        device->ports.add (this);
    }

    ~Port() override
    {
        const juce::ScopedLock sl (device->portLock);
        device->ports.remove (this);
    }

    void start() override { started = true; }

    void deliver (const juce::MidiMessage& message)
    {
        if (started && plugCount == device->plugCount)
            callback (message);
    }

private:
    std::shared_ptr<VirtualMidiInput> device;
    MidiPortLayer::Callback callback;
    const int plugCount;
    std::atomic<bool> started { false };
};

VirtualMidiInput::VirtualMidiInput (const juce::String& nameIn, const juce::String& identifierIn)
    : juce::Thread ("Virtual MIDI input " + nameIn),
      name (nameIn),
      identifier (identifierIn.isNotEmpty() ? identifierIn : juce::Uuid().toString())
{
    startThread();
}

VirtualMidiInput::~VirtualMidiInput()
{
    signalThreadShouldExit();
    notify();
    stopThread (-1);
}

void VirtualMidiInput::send (const juce::MidiMessage& message)
{
    if (! pluggedIn)
        return;

    {
        const juce::ScopedLock sl (queueLock);
        queue.push_back (message);
    }

    notify();
}

void VirtualMidiInput::setPluggedIn (bool shouldBePluggedIn)
{
    if (shouldBePluggedIn && ! pluggedIn)
        ++plugCount;

    pluggedIn = shouldBePluggedIn;

    if (! shouldBePluggedIn)
        takeQueue();
}

std::unique_ptr<MidiPortLayer::InputPort> VirtualMidiInput::openPort (MidiPortLayer::Callback callback)
{
    return std::make_unique<Port> (shared_from_this(), std::move (callback));
}

void VirtualMidiInput::run()
{
    while (! threadShouldExit())
    {
        for (const auto& message : takeQueue())
            deliver (message);

        wait (-1);
    }
}

void VirtualMidiInput::deliver (const juce::MidiMessage& message)
{
    const juce::ScopedLock sl (portLock);
    ports.call ([&message] (Port& port) { port.deliver (message); });
}

std::deque<juce::MidiMessage> VirtualMidiInput::takeQueue()
{
    std::deque<juce::MidiMessage> taken;
    const juce::ScopedLock sl (queueLock);
    taken.swap (queue);
    return taken;
}
