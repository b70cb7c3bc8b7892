#include "engine/JuceMidiPortLayer.h"

#include <juce_audio_devices/juce_audio_devices.h>

namespace
{
bool containsIdentifier (const juce::Array<juce::MidiDeviceInfo>& devices, const juce::String& identifier)
{
    for (const auto& device : devices)
        if (device.identifier == identifier)
            return true;

    return false;
}

juce::StringArray namesOf (const juce::Array<juce::MidiDeviceInfo>& devices)
{
    juce::StringArray names;

    for (const auto& device : devices)
        names.add (device.name);

    return names;
}

class JuceInputPort : public MidiPortLayer::InputPort,
                      private juce::MidiInputCallback
{
public:
    JuceInputPort (const juce::String& identifierIn, MidiPortLayer::Callback callbackIn)
        : identifier (identifierIn),
          callback (std::move (callbackIn)),
          input (juce::MidiInput::openDevice (identifier, this))
    {
    }

    // juce::MidiInput stops its thread's deliveries before its destructor returns.
    ~JuceInputPort() override
    {
        if (input != nullptr)
            input->stop();

        input.reset();
    }

    bool isOpen() const { return input != nullptr; }
    void start() override { input->start(); }
    bool isAlive() const override { return containsIdentifier (juce::MidiInput::getAvailableDevices(), identifier); }

private:
    void handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& message) override
    {
        callback (message);
    }

    const juce::String identifier;
    MidiPortLayer::Callback callback;
    std::unique_ptr<juce::MidiInput> input;
};

class JuceOutputPort : public MidiPortLayer::OutputPort
{
public:
    explicit JuceOutputPort (std::unique_ptr<juce::MidiOutput> outputIn) : output (std::move (outputIn)) {}

    void sendMessageNow (const juce::MidiMessage& message) override { output->sendMessageNow (message); }

    bool isAlive() const override
    {
        return containsIdentifier (juce::MidiOutput::getAvailableDevices(), output->getIdentifier());
    }

private:
    std::unique_ptr<juce::MidiOutput> output;
};
} // namespace

juce::StringArray JuceMidiPortLayer::getInputNames() const
{
    return namesOf (juce::MidiInput::getAvailableDevices());
}

juce::StringArray JuceMidiPortLayer::getOutputNames() const
{
    return namesOf (juce::MidiOutput::getAvailableDevices());
}

std::unique_ptr<MidiPortLayer::InputPort> JuceMidiPortLayer::openInput (int index, Callback callback)
{
    const auto devices = juce::MidiInput::getAvailableDevices();

    if (! juce::isPositiveAndBelow (index, devices.size()))
        return nullptr;

    auto port = std::make_unique<JuceInputPort> (devices[index].identifier, std::move (callback));

    if (! port->isOpen())
        return nullptr;

    return port;
}

std::unique_ptr<MidiPortLayer::OutputPort> JuceMidiPortLayer::openOutput (int index)
{
    const auto devices = juce::MidiOutput::getAvailableDevices();

    if (! juce::isPositiveAndBelow (index, devices.size()))
        return nullptr;

    auto output = juce::MidiOutput::openDevice (devices[index].identifier);

    if (output == nullptr)
        return nullptr;

    return std::make_unique<JuceOutputPort> (std::move (output));
}
