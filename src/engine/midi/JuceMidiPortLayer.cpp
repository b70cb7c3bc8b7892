#include "engine/midi/JuceMidiPortLayer.h"

#include <juce_audio_devices/juce_audio_devices.h>

namespace
{
MidiPortLayer::Devices listOf (const juce::Array<juce::MidiDeviceInfo>& infos)
{
    MidiPortLayer::Devices devices;

    for (const auto& info : infos)
        devices.push_back ({ info.name, info.identifier });

    return devices;
}

class JuceInputPort : public MidiPortLayer::InputPort, private juce::MidiInputCallback
{
public:
    JuceInputPort (const juce::String& identifier, MidiPortLayer::Callback callbackIn)
        : callback (std::move (callbackIn)),
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

    /** False when nothing opened, or what opened under the identifier is another device. */
    bool opened (const juce::String& name) const { return input != nullptr && input->getName() == name; }
    void start() override { input->start(); }

private:
    void handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& message) override { callback (message); }

    MidiPortLayer::Callback callback;
    std::unique_ptr<juce::MidiInput> input;
};

class JuceOutputPort : public MidiPortLayer::OutputPort
{
public:
    explicit JuceOutputPort (std::unique_ptr<juce::MidiOutput> outputIn) : output (std::move (outputIn)) {}

    void sendMessageNow (const juce::MidiMessage& message) override { output->sendMessageNow (message); }

private:
    std::unique_ptr<juce::MidiOutput> output;
};
} // namespace

JuceMidiPortLayer::JuceMidiPortLayer()
{
    AlsaDeviceWatcher::silenceAlsaErrors();
    watcher = std::make_unique<AlsaDeviceWatcher> ([this] (int client, int port) { announceGone (client, port); },
                                                   [this] { announcer.announceChanged(); });
}

JuceMidiPortLayer::~JuceMidiPortLayer()
{
    watcher.reset();
}

MidiPortLayer::Devices JuceMidiPortLayer::getInputDevices() const
{
    return listOf (juce::MidiInput::getAvailableDevices());
}

MidiPortLayer::Devices JuceMidiPortLayer::getOutputDevices() const
{
    return listOf (juce::MidiOutput::getAvailableDevices());
}

std::unique_ptr<MidiPortLayer::InputPort> JuceMidiPortLayer::openInput (const Device& device, Callback callback)
{
    remember (device.identifier);
    auto port = std::make_unique<JuceInputPort> (device.identifier, std::move (callback));
    return port->opened (device.name) ? std::move (port) : nullptr;
}

std::unique_ptr<MidiPortLayer::OutputPort> JuceMidiPortLayer::openOutput (const Device& device)
{
    remember (device.identifier);
    auto output = juce::MidiOutput::openDevice (device.identifier);

    if (output == nullptr || output->getName() != device.name)
        return nullptr;

    return std::make_unique<JuceOutputPort> (std::move (output));
}

void JuceMidiPortLayer::remember (const juce::String& identifier)
{
    const juce::ScopedLock sl (openedLock);
    opened.insert (identifier);
}

// JUCE names an ALSA port "client-port".
void JuceMidiPortLayer::announceGone (int client, int port)
{
    juce::StringArray identifiers;

    if (port != AlsaDeviceWatcher::anyPort)
    {
        identifiers.add (juce::String (client) + "-" + juce::String (port));
    }
    else
    {
        const juce::ScopedLock sl (openedLock);
        const auto prefix = juce::String (client) + "-";

        for (const auto& identifier : opened)
            if (client == AlsaDeviceWatcher::anyClient || identifier.startsWith (prefix))
                identifiers.add (identifier);
    }

    for (const auto& identifier : identifiers)
        announcer.announceGone (identifier);
}
