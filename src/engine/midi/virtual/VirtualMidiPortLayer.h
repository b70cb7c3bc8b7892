#pragma once

#include "engine/midi/MidiDeviceAnnouncer.h"
#include "engine/midi/virtual/VirtualMidiInput.h"
#include "engine/midi/virtual/VirtualMidiOutput.h"

#include <vector>

/** In-process MIDI ports that appear and disappear while the program runs: the simulated
    keyboard's and the tests'. As with ALSA, a port opened on a device that is then unplugged
    stays open but carries nothing, even once the device (or another under its identifier) is
    plugged in again; the layer's listeners hear of each change at once. Thread-safe. */
class VirtualMidiPortLayer : public MidiPortLayer
{
public:
    /** Makes the device appear at the end of the list; plugging it twice changes nothing. A device
        listed under the same identifier goes first, as when a keyboard is replugged quickly. */
    void plugIn (const std::shared_ptr<VirtualMidiInput>& device);
    void plugIn (const std::shared_ptr<VirtualMidiOutput>& device);

    /** Makes the device disappear from the list. */
    void unplug (const std::shared_ptr<VirtualMidiInput>& device);
    void unplug (const std::shared_ptr<VirtualMidiOutput>& device);

    Devices getInputDevices() const override;
    Devices getOutputDevices() const override;
    std::unique_ptr<InputPort> openInput (const Device& device, Callback callback) override;
    std::unique_ptr<OutputPort> openOutput (const Device& device) override;

    void addListener (Listener* listener) override { announcer.add (listener); }
    void removeListener (Listener* listener) override { announcer.remove (listener); }

private:
    template <typename DeviceType>
    void plugIn (std::vector<std::shared_ptr<DeviceType>>& devices, const std::shared_ptr<DeviceType>& device);

    template <typename DeviceType>
    void unplug (std::vector<std::shared_ptr<DeviceType>>& devices, const std::shared_ptr<DeviceType>& device);

    template <typename DeviceType>
    Devices list (const std::vector<std::shared_ptr<DeviceType>>& devices) const;

    template <typename DeviceType>
    std::shared_ptr<DeviceType> find (const std::vector<std::shared_ptr<DeviceType>>& devices,
                                      const Device& wanted) const;

    mutable juce::CriticalSection lock;
    std::vector<std::shared_ptr<VirtualMidiInput>> inputs;
    std::vector<std::shared_ptr<VirtualMidiOutput>> outputs;

    // Announcements are made outside the lock, so a listener may list or open ports.
    MidiDeviceAnnouncer announcer;
};
