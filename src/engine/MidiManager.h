#pragma once

#include "engine/MidiPortLayer.h"
#include "engine/TransferQueue.h"
#include "model/ListenerArray.h"

#include <juce_events/juce_events.h>

#include <atomic>
#include <cstdint>

class MidiLog;

/** The program's one link to the MIDI ports: at most one open input and one open output, chosen
    by device name, kept open across unplugging and plugging in again by a device watch that runs
    every second on the message thread.

    Incoming messages reach the listeners on the input port's thread. Listeners may be added and
    removed on the message thread meanwhile; once removeListener has returned, that listener is
    never called again. A listener must therefore never wait for the message thread while it
    handles a message.
*/
class MidiManager : private juce::Timer
{
public:
    class MidiManagerListener
    {
    public:
        /** Called on the MIDI input thread. */
        virtual void handleMidiMessage (const juce::MidiMessage& message) = 0;

        /** Does not unregister the listener. */
        virtual ~MidiManagerListener() = default;
    };

    static constexpr int deviceWatchIntervalMs = 1000;

    /** Uses the system's MIDI ports. */
    MidiManager();

    explicit MidiManager (std::shared_ptr<MidiPortLayer> ports);
    ~MidiManager() override;

    /** Opens the first input of that name. Nothing changes when the name is that of the open port
        or no input has it. */
    void setInputDevice (const juce::String& name);

    /** Opens the first output of that name, under the same rules as setInputDevice. */
    void setOutputDevice (const juce::String& name);

    juce::String getInputDeviceName() const;
    juce::String getOutputDeviceName() const;

    /** The names setInputDevice and setOutputDevice can open now, in the system's order. */
    juce::StringArray getAvailableInputNames() const { return ports->getInputNames(); }
    juce::StringArray getAvailableOutputNames() const { return ports->getOutputNames(); }

    /** Null and listeners already present are ignored. */
    void addListener (MidiManagerListener* listener);
    void removeListener (MidiManagerListener* listener);
    int getNumListeners() const;

    /** True while an input port is open. */
    bool isConnected() const;
    bool isOutputOpen() const;

    /** Changes whenever the open input or output port is lost, closed or (re)opened, so a
        transfer can tell that its messages may have gone to a port that no longer exists.
        Safe from any thread. */
    std::uint64_t getConnectionEpoch() const { return connectionEpoch.load(); }

    /** Sends at once through the open output; false (and the message dropped) when none is open. */
    bool sendMessage (const juce::MidiMessage& message);

    /** Every message sent and received from now on is written to the log; null stops logging. */
    void setLog (std::shared_ptr<MidiLog> log);

    /** One step of the device watch: closes a port whose device is gone and reopens one whose
        device is back. The timer runs it every second. */
    void checkDevices();

    MidiPortLayer& getPortLayer() const { return *ports; }

    /** The keyboard's one line: every engine's transfers run through it, one at a time. */
    TransferQueue& getTransferQueue() { return transferQueue; }

private:
    void timerCallback() override;
    void watchOutput();
    void watchInput();

    template <typename Port>
    bool isAlive (const std::unique_ptr<Port>& port) const;

    void handleIncomingMidiMessage (const juce::MidiMessage& message);
    std::shared_ptr<MidiLog> getLog() const;
    void closeInput();
    void closeOutput();

    std::shared_ptr<MidiPortLayer> ports;

    // Guards the names and the ports; never held while an input port is destroyed, because that
    // waits for the input thread, which may be dispatching.
    mutable juce::CriticalSection portLock;
    juce::String inputDeviceName;
    juce::String outputDeviceName;
    std::unique_ptr<MidiPortLayer::InputPort> midiInput;
    std::unique_ptr<MidiPortLayer::OutputPort> midiOutput;

    // Held for a whole dispatch and in add/remove, so a removed listener is never called again.
    mutable juce::CriticalSection listenerLock;
    ListenerArray<MidiManagerListener> listeners;

    std::atomic<std::uint64_t> connectionEpoch { 0 };

    mutable juce::CriticalSection logLock;
    std::shared_ptr<MidiLog> log;

    // Last, so it stops before anything it sends through goes.
    TransferQueue transferQueue;

    JUCE_DECLARE_NON_COPYABLE (MidiManager)
};
