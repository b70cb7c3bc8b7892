#include "engine/VirtualMidiOutput.h"

class VirtualMidiOutput::Port : public MidiPortLayer::OutputPort
{
public:
    explicit Port (std::shared_ptr<VirtualMidiOutput> deviceIn) : device (std::move (deviceIn)) {}

    void sendMessageNow (const juce::MidiMessage& message) override { device->receive (message); }
    bool isAlive() const override { return device->isPluggedIn(); }

private:
    std::shared_ptr<VirtualMidiOutput> device;
};

VirtualMidiOutput::VirtualMidiOutput (const juce::String& nameIn, Receiver receiverIn)
    : name (nameIn), receiver (std::move (receiverIn))
{
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

void VirtualMidiOutput::receive (const juce::MidiMessage& message)
{
    if (! pluggedIn)
        return;

    const juce::ScopedLock sl (receiverLock);

    if (receiver != nullptr)
        receiver (message);
}
