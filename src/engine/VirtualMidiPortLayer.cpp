#include "engine/VirtualMidiPortLayer.h"

#include <algorithm>

namespace
{
template <typename Device>
void addDevice (std::vector<std::shared_ptr<Device>>& devices, const std::shared_ptr<Device>& device)
{
    if (device == nullptr || std::find (devices.begin(), devices.end(), device) != devices.end())
        return;

    devices.push_back (device);
    device->setPluggedIn (true);
}

template <typename Device>
void removeDevice (std::vector<std::shared_ptr<Device>>& devices, const std::shared_ptr<Device>& device)
{
    const auto found = std::find (devices.begin(), devices.end(), device);

    if (found == devices.end())
        return;

    devices.erase (found);
    device->setPluggedIn (false);
}

template <typename Device>
std::shared_ptr<Device> deviceAt (const std::vector<std::shared_ptr<Device>>& devices, int index)
{
    if (! juce::isPositiveAndBelow (index, static_cast<int> (devices.size())))
        return nullptr;

    return devices[static_cast<size_t> (index)];
}
} // namespace

void VirtualMidiPortLayer::plugIn (const std::shared_ptr<VirtualMidiInput>& device)
{
    const juce::ScopedLock sl (lock);
    addDevice (inputs, device);
}

void VirtualMidiPortLayer::plugIn (const std::shared_ptr<VirtualMidiOutput>& device)
{
    const juce::ScopedLock sl (lock);
    addDevice (outputs, device);
}

void VirtualMidiPortLayer::unplug (const std::shared_ptr<VirtualMidiInput>& device)
{
    const juce::ScopedLock sl (lock);
    removeDevice (inputs, device);
}

void VirtualMidiPortLayer::unplug (const std::shared_ptr<VirtualMidiOutput>& device)
{
    const juce::ScopedLock sl (lock);
    removeDevice (outputs, device);
}

template <typename Device>
juce::StringArray VirtualMidiPortLayer::namesOf (const std::vector<std::shared_ptr<Device>>& devices)
{
    juce::StringArray names;

    for (const auto& device : devices)
        names.add (device->getName());

    return names;
}

juce::StringArray VirtualMidiPortLayer::getInputNames() const
{
    const juce::ScopedLock sl (lock);
    return namesOf (inputs);
}

juce::StringArray VirtualMidiPortLayer::getOutputNames() const
{
    const juce::ScopedLock sl (lock);
    return namesOf (outputs);
}

std::unique_ptr<MidiPortLayer::InputPort> VirtualMidiPortLayer::openInput (int index, Callback callback)
{
    std::shared_ptr<VirtualMidiInput> device;

    {
        const juce::ScopedLock sl (lock);
        device = deviceAt (inputs, index);
    }

    return device != nullptr ? device->openPort (std::move (callback)) : nullptr;
}

std::unique_ptr<MidiPortLayer::OutputPort> VirtualMidiPortLayer::openOutput (int index)
{
    std::shared_ptr<VirtualMidiOutput> device;

    {
        const juce::ScopedLock sl (lock);
        device = deviceAt (outputs, index);
    }

    return device != nullptr ? device->openPort() : nullptr;
}
