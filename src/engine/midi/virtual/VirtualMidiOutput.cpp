#include "engine/midi/virtual/VirtualMidiOutput.h"

class VirtualMidiOutput::Port : public MidiPortLayer::OutputPort
{
public:
    explicit Port (std::shared_ptr<VirtualMidiOutput> deviceIn)
        : device (std::move (deviceIn)),
          plugCount (device->plugCount)
    {
    }

    void sendMessageNow (const juce::MidiMessage& message) override { device->receive (message, plugCount); }

private:
    std::shared_ptr<VirtualMidiOutput> device;
    const int plugCount;
};

VirtualMidiOutput::VirtualMidiOutput (const juce::String& nameIn, Receiver receiverIn, const juce::String& identifierIn)
    : name (nameIn),
      identifier (identifierIn.isNotEmpty() ? identifierIn : juce::Uuid().toString()),
      receiver (std::move (receiverIn))
{
}

void VirtualMidiOutput::setPluggedIn (bool shouldBePluggedIn)
{
    if (shouldBePluggedIn && ! pluggedIn)
        ++plugCount;

    pluggedIn = shouldBePluggedIn;
}

void VirtualMidiOutput::detach()
{
    const juce::ScopedLock sl (receiverLock);
    receiver = nullptr;
}

std::unique_ptr<MidiPortLayer::OutputPort> VirtualMidiOutput::openPort()
{
    return std::make_unique<Port> (shared_from_this());
}

void VirtualMidiOutput::receive (const juce::MidiMessage& message, int portPlugCount)
{
    if (! pluggedIn || portPlugCount != plugCount)
        return;

    const juce::ScopedLock sl (receiverLock);

    if (receiver != nullptr)
        receiver (message);
}
