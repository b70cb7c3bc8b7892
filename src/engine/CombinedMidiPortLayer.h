#pragma once

#include "engine/MidiPortLayer.h"

#include <vector>

/** Several port layers offered as one: the lists follow each other in the order the layers were
    given (e.g. the system's ports, then the simulator's). */
class CombinedMidiPortLayer : public MidiPortLayer
{
public:
    explicit CombinedMidiPortLayer (std::vector<std::shared_ptr<MidiPortLayer>> layers);

    juce::StringArray getInputNames() const override;
    juce::StringArray getOutputNames() const override;
    std::unique_ptr<InputPort> openInput (int index, Callback callback) override;
    std::unique_ptr<OutputPort> openOutput (int index) override;

private:
    /** The layer holding the port at a combined position, and its position there. */
    template <typename ListNames>
    std::pair<MidiPortLayer*, int> locate (int index, ListNames&& listNames) const;

    std::vector<std::shared_ptr<MidiPortLayer>> layers;
};
