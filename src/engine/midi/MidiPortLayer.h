#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <functional>
#include <memory>
#include <vector>

/** What the MIDI manager needs from the system's MIDI ports: list them as name and identifier,
    open one by the identifier listed with its name, and hear of devices coming and going. The
    real ports sit behind JuceMidiPortLayer; VirtualMidiPortLayer holds in-process ones for the
    simulator and the tests.

    An identifier names a place, not a device: like ALSA's "client-port", it may be given to a
    new device once the old one has gone. Lists and opening may be called from the message thread
    while ports come and go; a device that is no longer listed opens nothing.
*/
class MidiPortLayer
{
public:
    /** Called on the input port's own thread with every whole message that arrives. */
    using Callback = std::function<void (const juce::MidiMessage&)>;

    struct Device
    {
        juce::String name;
        juce::String identifier;

        bool operator== (const Device& other) const { return name == other.name && identifier == other.identifier; }
    };

    using Devices = std::vector<Device>;

    class InputPort
    {
    public:
        /** Once the destructor has returned, the callback is never called again. */
        virtual ~InputPort() = default;

        /** Messages reach the callback only after this. */
        virtual void start() = 0;
    };

    class OutputPort
    {
    public:
        virtual ~OutputPort() = default;
        virtual void sendMessageNow (const juce::MidiMessage& message) = 0;
    };

    /** Hears of device changes as they happen, on whatever thread the layer learns of them. */
    class Listener
    {
    public:
        virtual ~Listener() = default;

        /** The device under that identifier has gone; another may already have taken its place,
            and a port opened on the old one stays deaf and mute for good. */
        virtual void midiDeviceGone (const juce::String& identifier) = 0;

        /** A device appeared or went. */
        virtual void midiDevicesChanged() = 0;
    };

    virtual ~MidiPortLayer() = default;

    /** In the system's order; the same name may appear twice, an identifier only once. */
    virtual Devices getInputDevices() const = 0;
    virtual Devices getOutputDevices() const = 0;

    /** Null when no device of that name is listed under that identifier or it cannot be opened. */
    virtual std::unique_ptr<InputPort> openInput (const Device& device, Callback callback) = 0;
    virtual std::unique_ptr<OutputPort> openOutput (const Device& device) = 0;

    /** A layer that cannot tell of changes leaves them to the manager's periodic watch. Once
        removeListener has returned, that listener is never called again. */
    virtual void addListener (Listener*) {}
    virtual void removeListener (Listener*) {}

    juce::StringArray getInputNames() const { return namesOf (getInputDevices()); }
    juce::StringArray getOutputNames() const { return namesOf (getOutputDevices()); }

    static juce::StringArray namesOf (const Devices& devices)
    {
        juce::StringArray names;

        for (const auto& device : devices)
            names.add (device.name);

        return names;
    }
};
