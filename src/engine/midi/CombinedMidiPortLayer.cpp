#include "engine/midi/CombinedMidiPortLayer.h"

#include <algorithm>

CombinedMidiPortLayer::CombinedMidiPortLayer (std::vector<std::shared_ptr<MidiPortLayer>> layersIn)
    : layers (std::move (layersIn))
{
}

MidiPortLayer::Devices CombinedMidiPortLayer::getInputDevices() const
{
    Devices devices;

    for (const auto& layer : layers)
        for (const auto& device : layer->getInputDevices())
            devices.push_back (device);

    return devices;
}

MidiPortLayer::Devices CombinedMidiPortLayer::getOutputDevices() const
{
    Devices devices;

    for (const auto& layer : layers)
        for (const auto& device : layer->getOutputDevices())
            devices.push_back (device);

    return devices;
}

template <typename ListDevices>
MidiPortLayer* CombinedMidiPortLayer::layerListing (const Device& device, ListDevices&& listDevices) const
{
    for (const auto& layer : layers)
    {
        const auto listed = listDevices (*layer);

        if (std::find (listed.begin(), listed.end(), device) != listed.end())
            return layer.get();
    }

    return nullptr;
}

std::unique_ptr<MidiPortLayer::InputPort> CombinedMidiPortLayer::openInput (const Device& device, Callback callback)
{
    auto* layer = layerListing (device, [] (const MidiPortLayer& l) { return l.getInputDevices(); });
    return layer != nullptr ? layer->openInput (device, std::move (callback)) : nullptr;
}

std::unique_ptr<MidiPortLayer::OutputPort> CombinedMidiPortLayer::openOutput (const Device& device)
{
    auto* layer = layerListing (device, [] (const MidiPortLayer& l) { return l.getOutputDevices(); });
    return layer != nullptr ? layer->openOutput (device) : nullptr;
}

void CombinedMidiPortLayer::addListener (Listener* listener)
{
    for (const auto& layer : layers)
        layer->addListener (listener);
}

void CombinedMidiPortLayer::removeListener (Listener* listener)
{
    for (const auto& layer : layers)
        layer->removeListener (listener);
}
