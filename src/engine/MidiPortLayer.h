#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <functional>
#include <memory>

/** What the MIDI manager needs from the system's MIDI ports: list them by name, open one by its
    position in the list. The real ports sit behind JuceMidiPortLayer; VirtualMidiPortLayer holds
    in-process ports for the simulator and the tests.

    Lists and opening may be called from the message thread while ports come and go; a position
    that no longer exists opens nothing.
*/
class MidiPortLayer
{
public:
    /** Called on the input port's own thread with every whole message that arrives. */
    using Callback = std::function<void (const juce::MidiMessage&)>;

    class InputPort
    {
    public:
        /** Once the destructor has returned, the callback is never called again. */
        virtual ~InputPort() = default;

        /** Messages reach the callback only after this. */
        virtual void start() = 0;

        /** False once the device behind the port has gone, even if a device of the same name
            has appeared since (a port opened on the old one would stay silent). */
        virtual bool isAlive() const = 0;
    };

    class OutputPort
    {
    public:
        virtual ~OutputPort() = default;
        virtual void sendMessageNow (const juce::MidiMessage& message) = 0;

        /** As InputPort::isAlive. */
        virtual bool isAlive() const = 0;
    };

    virtual ~MidiPortLayer() = default;

    /** Names in the system's order; the same name may appear twice. */
    virtual juce::StringArray getInputNames() const = 0;
    virtual juce::StringArray getOutputNames() const = 0;

    /** Null when there is no port at that position or it cannot be opened. */
    virtual std::unique_ptr<InputPort> openInput (int index, Callback callback) = 0;
    virtual std::unique_ptr<OutputPort> openOutput (int index) = 0;
};
