#include "engine/midi/MidiManager.h"

#include "engine/midi/JuceMidiPortLayer.h"
#include "engine/midi/MidiLog.h"

#include <algorithm>
#include <type_traits>

MidiManager::MidiManager() : MidiManager (std::make_shared<JuceMidiPortLayer>()) {}

MidiManager::MidiManager (std::shared_ptr<MidiPortLayer> portsIn) : ports (std::move (portsIn))
{
    jassert (ports != nullptr);
    ports->addListener (this);
    startTimer (deviceWatchIntervalMs);
}

MidiManager::~MidiManager()
{
    ports->removeListener (this);
    cancelPendingUpdate();
    stopTimer();
    close (output);
    close (input);
}

namespace
{
bool isListed (const MidiPortLayer::Devices& devices, const MidiPortLayer::Device& device)
{
    return std::find (devices.begin(), devices.end(), device) != devices.end();
}
} // namespace

void MidiManager::setInputDevice (const juce::String& name)
{
    choose (input, name, ports->getInputDevices(), [this] (const auto& device) { return openInput (device); });
}

void MidiManager::setOutputDevice (const juce::String& name)
{
    choose (output, name, ports->getOutputDevices(), [this] (const auto& device) { return openOutput (device); });
}

// Opens by the identifier listed with the name, so a device that comes or goes meanwhile cannot
// put another device under the chosen name.
template <typename Port, typename Open>
void MidiManager::choose (PortState<Port>& state, const juce::String& name, const MidiPortLayer::Devices& devices,
                          Open&& open)
{
    {
        const juce::ScopedLock sl (portLock);

        if (state.isWorking() && name == state.chosenName && isListed (devices, state.device))
            return;
    }

    const auto found =
        std::find_if (devices.begin(), devices.end(), [&name] (const auto& device) { return device.name == name; });

    if (found == devices.end())
        return;

    std::shared_ptr<Port> opened = open (*found), previous;

    {
        const juce::ScopedLock sl (portLock);
        state.chosenName = name;
        state.device = *found;
        state.lost = false;
        previous = std::exchange (state.port, std::move (opened));
        ++connectionEpoch;
    }

    // The old input is silent before the new one starts, so nothing arrives twice.
    previous.reset();

    if constexpr (std::is_same_v<Port, MidiPortLayer::InputPort>)
    {
        const juce::ScopedLock sl (portLock);

        if (state.port != nullptr)
            state.port->start();
    }
}

std::unique_ptr<MidiPortLayer::InputPort> MidiManager::openInput (const MidiPortLayer::Device& device)
{
    return ports->openInput (device,
                             [this] (const juce::MidiMessage& message) { handleIncomingMidiMessage (message); });
}

std::unique_ptr<MidiPortLayer::OutputPort> MidiManager::openOutput (const MidiPortLayer::Device& device)
{
    return ports->openOutput (device);
}

juce::String MidiManager::getInputDeviceName() const
{
    const juce::ScopedLock sl (portLock);
    return input.chosenName;
}

juce::String MidiManager::getOutputDeviceName() const
{
    const juce::ScopedLock sl (portLock);
    return output.chosenName;
}

void MidiManager::addListener (MidiManagerListener* listener)
{
    const juce::ScopedLock sl (listenerLock);
    listeners.add (listener);
}

void MidiManager::removeListener (MidiManagerListener* listener)
{
    const juce::ScopedLock sl (listenerLock);
    listeners.remove (listener);
}

int MidiManager::getNumListeners() const
{
    const juce::ScopedLock sl (listenerLock);
    return listeners.size();
}

bool MidiManager::isConnected() const
{
    const juce::ScopedLock sl (portLock);
    return input.isWorking();
}

bool MidiManager::isOutputOpen() const
{
    const juce::ScopedLock sl (portLock);
    return output.isWorking();
}

bool MidiManager::sendMessage (const juce::MidiMessage& message)
{
    std::shared_ptr<MidiPortLayer::OutputPort> port;

    {
        const juce::ScopedLock sl (portLock);

        if (output.isWorking())
            port = output.port;
    }

    if (port == nullptr)
        return false;

    if (auto currentLog = getLog())
        currentLog->logOutgoing (message);

    port->sendMessageNow (message);
    return true;
}

void MidiManager::setLog (std::shared_ptr<MidiLog> newLog)
{
    const juce::ScopedLock sl (logLock);
    log = std::move (newLog);
}

std::shared_ptr<MidiLog> MidiManager::getLog() const
{
    const juce::ScopedLock sl (logLock);
    return log;
}

void MidiManager::checkDevices()
{
    watch (output, ports->getOutputDevices(), [this] (const auto& device) { return openOutput (device); });
    watch (input, ports->getInputDevices(), [this] (const auto& device) { return openInput (device); });
}

// A port is kept while its device is listed and has not been announced gone; otherwise it is
// closed and the chosen name opened afresh if it is listed.
template <typename Port, typename Open>
void MidiManager::watch (PortState<Port>& state, const MidiPortLayer::Devices& devices, Open&& open)
{
    juce::String name;

    {
        const juce::ScopedLock sl (portLock);

        if (state.isWorking() && isListed (devices, state.device))
            return;

        name = state.chosenName;
    }

    close (state);

    if (name.isNotEmpty())
        choose (state, name, devices, open);
}

template <typename Port>
void MidiManager::close (PortState<Port>& state)
{
    std::shared_ptr<Port> closing;

    {
        const juce::ScopedLock sl (portLock);
        closing = std::move (state.port);
        state.lost = false;

        if (closing != nullptr)
            ++connectionEpoch;
    }
}

void MidiManager::midiDeviceGone (const juce::String& identifier)
{
    {
        const juce::ScopedLock sl (portLock);
        markLost (input, identifier);
        markLost (output, identifier);
    }

    triggerAsyncUpdate();
}

template <typename Port>
void MidiManager::markLost (PortState<Port>& state, const juce::String& identifier)
{
    if (state.isWorking() && state.device.identifier == identifier)
    {
        state.lost = true;
        ++connectionEpoch;
    }
}

void MidiManager::midiDevicesChanged()
{
    triggerAsyncUpdate();
}

void MidiManager::handleAsyncUpdate()
{
    checkDevices();
}

void MidiManager::timerCallback()
{
    checkDevices();
}

void MidiManager::handleIncomingMidiMessage (const juce::MidiMessage& message)
{
    if (auto currentLog = getLog())
        currentLog->logIncoming (message);

    const juce::ScopedLock sl (listenerLock);
    listeners.call ([&message] (MidiManagerListener& listener) { listener.handleMidiMessage (message); });
}
