#include "engine/midi/virtual/VirtualMidiPortLayer.h"

#include <algorithm>

template <typename DeviceType>
void VirtualMidiPortLayer::plugIn (std::vector<std::shared_ptr<DeviceType>>& devices,
                                   const std::shared_ptr<DeviceType>& device)
{
    std::shared_ptr<DeviceType> replaced;

    {
        const juce::ScopedLock sl (lock);

        if (device == nullptr || std::find (devices.begin(), devices.end(), device) != devices.end())
            return;

        const auto sameIdentifier = std::find_if (devices.begin(), devices.end(), [&] (const auto& listed) {
            return listed->getIdentifier() == device->getIdentifier();
        });

        if (sameIdentifier != devices.end())
        {
            replaced = *sameIdentifier;
            replaced->setPluggedIn (false);
            devices.erase (sameIdentifier);
        }

        devices.push_back (device);
        device->setPluggedIn (true);
    }

    if (replaced != nullptr)
        announcer.announceGone (replaced->getIdentifier());

    announcer.announceChanged();
}

template <typename DeviceType>
void VirtualMidiPortLayer::unplug (std::vector<std::shared_ptr<DeviceType>>& devices,
                                   const std::shared_ptr<DeviceType>& device)
{
    {
        const juce::ScopedLock sl (lock);
        const auto found = std::find (devices.begin(), devices.end(), device);

        if (found == devices.end())
            return;

        devices.erase (found);
        device->setPluggedIn (false);
    }

    announcer.announceGone (device->getIdentifier());
    announcer.announceChanged();
}

void VirtualMidiPortLayer::plugIn (const std::shared_ptr<VirtualMidiInput>& device)
{
    plugIn (inputs, device);
}
void VirtualMidiPortLayer::plugIn (const std::shared_ptr<VirtualMidiOutput>& device)
{
    plugIn (outputs, device);
}
void VirtualMidiPortLayer::unplug (const std::shared_ptr<VirtualMidiInput>& device)
{
    unplug (inputs, device);
}
void VirtualMidiPortLayer::unplug (const std::shared_ptr<VirtualMidiOutput>& device)
{
    unplug (outputs, device);
}

template <typename DeviceType>
MidiPortLayer::Devices VirtualMidiPortLayer::list (const std::vector<std::shared_ptr<DeviceType>>& devices) const
{
    const juce::ScopedLock sl (lock);
    Devices listed;

    for (const auto& device : devices)
        listed.push_back ({ device->getName(), device->getIdentifier() });

    return listed;
}

template <typename DeviceType>
std::shared_ptr<DeviceType> VirtualMidiPortLayer::find (const std::vector<std::shared_ptr<DeviceType>>& devices,
                                                        const Device& wanted) const
{
    const juce::ScopedLock sl (lock);

    for (const auto& device : devices)
        if (device->getIdentifier() == wanted.identifier && device->getName() == wanted.name)
            return device;

    return nullptr;
}

MidiPortLayer::Devices VirtualMidiPortLayer::getInputDevices() const
{
    return list (inputs);
}
MidiPortLayer::Devices VirtualMidiPortLayer::getOutputDevices() const
{
    return list (outputs);
}

std::unique_ptr<MidiPortLayer::InputPort> VirtualMidiPortLayer::openInput (const Device& wanted, Callback callback)
{
    const auto device = find (inputs, wanted);
    return device != nullptr ? device->openPort (std::move (callback)) : nullptr;
}

std::unique_ptr<MidiPortLayer::OutputPort> VirtualMidiPortLayer::openOutput (const Device& wanted)
{
    const auto device = find (outputs, wanted);
    return device != nullptr ? device->openPort() : nullptr;
}
