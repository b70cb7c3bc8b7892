#pragma once

#include "engine/midi/MidiPortLayer.h"
#include "model/ListenerArray.h"

#include <juce_events/juce_events.h>

#include <atomic>
#include <cstdint>

class MidiLog;

/** The program's one link to the MIDI ports: at most one open input and one open output, chosen
    by device name, kept open across unplugging and plugging in again. The port layer's
    announcements mark a port lost the moment its device goes and bring a device watch onto the
    message thread at once; the watch also runs every second. A port whose device went is reopened
    even when the device comes back under the same identifier.

    Incoming messages reach the listeners on the input port's thread. Listeners may be added and
    removed on the message thread meanwhile; once removeListener has returned, that listener is
    never called again. A listener must therefore never wait for the message thread while it
    handles a message.
*/
class MidiManager : private juce::Timer, private juce::AsyncUpdater, private MidiPortLayer::Listener
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

    /** Opens the first input of that name. Nothing changes when the name is that of the open,
        working port or no input has it; a port whose device went is reopened. */
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

    /** True while an input port is open and its device has not gone. */
    bool isConnected() const;
    bool isOutputOpen() const;

    /** Changes whenever the open input or output port is lost, closed or (re)opened, even under
        the same identifier, so a transfer can tell whether its ports stayed the same throughout.
        Any thread. */
    std::uint64_t getConnectionEpoch() const { return connectionEpoch; }

    /** Sends at once through the open output; false (and the message dropped) when none is open
        or its device has gone. */
    bool sendMessage (const juce::MidiMessage& message);

    /** Every message sent and received from now on is written to the log; null stops logging. */
    void setLog (std::shared_ptr<MidiLog> log);
    std::shared_ptr<MidiLog> getLog() const;

    /** One step of the device watch: closes a port whose device is gone and reopens one whose
        device is back. The timer runs it every second, and an announcement at once. */
    void checkDevices();

    MidiPortLayer& getPortLayer() const { return *ports; }

private:
    /** What is known of one direction's port; guarded by portLock. */
    template <typename Port>
    struct PortState
    {
        juce::String chosenName;
        MidiPortLayer::Device device;
        std::shared_ptr<Port> port; // a send holds it outside the lock
        bool lost = false;

        bool isWorking() const { return port != nullptr && ! lost; }
    };

    using InputState = PortState<MidiPortLayer::InputPort>;
    using OutputState = PortState<MidiPortLayer::OutputPort>;

    void timerCallback() override;
    void handleAsyncUpdate() override;
    void midiDeviceGone (const juce::String& identifier) override;
    void midiDevicesChanged() override;

    template <typename Port>
    void markLost (PortState<Port>& state, const juce::String& identifier);

    template <typename Port, typename Open>
    void choose (PortState<Port>& state, const juce::String& name, const MidiPortLayer::Devices& devices, Open&& open);

    template <typename Port, typename Open>
    void watch (PortState<Port>& state, const MidiPortLayer::Devices& devices, Open&& open);

    template <typename Port>
    void close (PortState<Port>& state);

    std::unique_ptr<MidiPortLayer::InputPort> openInput (const MidiPortLayer::Device& device);
    std::unique_ptr<MidiPortLayer::OutputPort> openOutput (const MidiPortLayer::Device& device);

    void handleIncomingMidiMessage (const juce::MidiMessage& message);

    std::shared_ptr<MidiPortLayer> ports;

    // Guards the names and the ports; never held while a port is destroyed (an input waits for
    // its thread, which may be dispatching), while a message is sent or logged (a stalled device
    // or disk would stall the device watch on the message thread) nor while the layer is called.
    mutable juce::CriticalSection portLock;
    InputState input;
    OutputState output;
    std::atomic<std::uint64_t> connectionEpoch { 0 };

    // Held for a whole dispatch and in add/remove, so a removed listener is never called again.
    mutable juce::CriticalSection listenerLock;
    ListenerArray<MidiManagerListener> listeners;

    mutable juce::CriticalSection logLock;
    std::shared_ptr<MidiLog> log;

    JUCE_DECLARE_NON_COPYABLE (MidiManager)
};
