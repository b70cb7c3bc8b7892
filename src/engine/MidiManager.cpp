#include "engine/MidiManager.h"

#include "engine/JuceMidiPortLayer.h"
#include "engine/MidiLog.h"

MidiManager::MidiManager() : MidiManager (std::make_shared<JuceMidiPortLayer>())
{
}

MidiManager::MidiManager (std::shared_ptr<MidiPortLayer> portsIn) : ports (std::move (portsIn))
{
    jassert (ports != nullptr);
    startTimer (deviceWatchIntervalMs);
}

MidiManager::~MidiManager()
{
    stopTimer();
    closeOutput();
    closeInput();
}

void MidiManager::setInputDevice (const juce::String& name)
{
    {
        const juce::ScopedLock sl (portLock);

        if (midiInput != nullptr && name == inputDeviceName)
            return;
    }

    const auto index = ports->getInputNames().indexOf (name);

    if (index < 0)
        return;

    auto opened = ports->openInput (index, [this] (const juce::MidiMessage& message)
                                    { handleIncomingMidiMessage (message); });
    std::unique_ptr<MidiPortLayer::InputPort> previous;

    {
        const juce::ScopedLock sl (portLock);
        inputDeviceName = name;
        previous = std::move (midiInput);
        midiInput = std::move (opened);
        ++connectionEpoch;
    }

    previous.reset();

    const juce::ScopedLock sl (portLock);

    if (midiInput != nullptr)
        midiInput->start();
}

void MidiManager::setOutputDevice (const juce::String& name)
{
    {
        const juce::ScopedLock sl (portLock);

        if (midiOutput != nullptr && name == outputDeviceName)
            return;
    }

    const auto index = ports->getOutputNames().indexOf (name);

    if (index < 0)
        return;

    auto opened = ports->openOutput (index);
    std::unique_ptr<MidiPortLayer::OutputPort> previous;

    {
        const juce::ScopedLock sl (portLock);
        outputDeviceName = name;
        previous = std::move (midiOutput);
        midiOutput = std::move (opened);
        ++connectionEpoch;
    }
}

juce::String MidiManager::getInputDeviceName() const
{
    const juce::ScopedLock sl (portLock);
    return inputDeviceName;
}

juce::String MidiManager::getOutputDeviceName() const
{
    const juce::ScopedLock sl (portLock);
    return outputDeviceName;
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
    return midiInput != nullptr;
}

bool MidiManager::isOutputOpen() const
{
    const juce::ScopedLock sl (portLock);
    return midiOutput != nullptr;
}

bool MidiManager::sendMessage (const juce::MidiMessage& message)
{
    const juce::ScopedLock sl (portLock);

    if (midiOutput == nullptr)
        return false;

    if (auto currentLog = getLog())
        currentLog->logOutgoing (message);

    midiOutput->sendMessageNow (message);
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
    watchOutput();
    watchInput();
}

// A port whose device went and came back between two checks is dead though its name is listed:
// it is reopened like a closed one.
void MidiManager::watchOutput()
{
    const auto name = getOutputDeviceName();

    if (! ports->getOutputNames().contains (name))
    {
        closeOutput();
        return;
    }

    if (isAlive (midiOutput))
        return;

    closeOutput();
    setOutputDevice (name);
}

void MidiManager::watchInput()
{
    const auto name = getInputDeviceName();

    if (! ports->getInputNames().contains (name))
    {
        closeInput();
        return;
    }

    if (isAlive (midiInput))
        return;

    closeInput();
    setInputDevice (name);
}

template <typename Port>
bool MidiManager::isAlive (const std::unique_ptr<Port>& port) const
{
    const juce::ScopedLock sl (portLock);
    return port != nullptr && port->isAlive();
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

void MidiManager::closeInput()
{
    std::unique_ptr<MidiPortLayer::InputPort> closing;

    {
        const juce::ScopedLock sl (portLock);
        closing = std::move (midiInput);

        if (closing != nullptr)
            ++connectionEpoch;
    }
}

void MidiManager::closeOutput()
{
    std::unique_ptr<MidiPortLayer::OutputPort> closing;

    {
        const juce::ScopedLock sl (portLock);
        closing = std::move (midiOutput);

        if (closing != nullptr)
            ++connectionEpoch;
    }
}
