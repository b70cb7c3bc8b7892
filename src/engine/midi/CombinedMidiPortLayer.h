#pragma once

#include "engine/midi/MidiPortLayer.h"

#include <vector>

/** Several port layers offered as one: the lists follow each other in the order the layers were
    given (e.g. the system's ports, then the simulator's). A device opens in the first layer that
    lists it; every layer's changes reach the listeners. */
class CombinedMidiPortLayer : public MidiPortLayer
{
public:
    explicit CombinedMidiPortLayer (std::vector<std::shared_ptr<MidiPortLayer>> layers);

    Devices getInputDevices() const override;
    Devices getOutputDevices() const override;
    std::unique_ptr<InputPort> openInput (const Device& device, Callback callback) override;
    std::unique_ptr<OutputPort> openOutput (const Device& device) override;
    void addListener (Listener* listener) override;
    void removeListener (Listener* listener) override;

private:
    template <typename ListDevices>
    MidiPortLayer* layerListing (const Device& device, ListDevices&& listDevices) const;

    std::vector<std::shared_ptr<MidiPortLayer>> layers;
};
