#include "engine/CombinedMidiPortLayer.h"

CombinedMidiPortLayer::CombinedMidiPortLayer (std::vector<std::shared_ptr<MidiPortLayer>> layersIn)
    : layers (std::move (layersIn))
{
}

juce::StringArray CombinedMidiPortLayer::getInputNames() const
{
    juce::StringArray names;

    for (const auto& layer : layers)
        names.addArray (layer->getInputNames());

    return names;
}

juce::StringArray CombinedMidiPortLayer::getOutputNames() const
{
    juce::StringArray names;

    for (const auto& layer : layers)
        names.addArray (layer->getOutputNames());

    return names;
}

template <typename ListNames>
std::pair<MidiPortLayer*, int> CombinedMidiPortLayer::locate (int index, ListNames&& listNames) const
{
    if (index < 0)
        return { nullptr, 0 };

    for (const auto& layer : layers)
    {
        const auto count = listNames (*layer).size();

        if (index < count)
            return { layer.get(), index };

        index -= count;
    }

    return { nullptr, 0 };
}

std::unique_ptr<MidiPortLayer::InputPort> CombinedMidiPortLayer::openInput (int index, Callback callback)
{
    const auto [layer, position] = locate (index, [] (const MidiPortLayer& l) { return l.getInputNames(); });
    return layer != nullptr ? layer->openInput (position, std::move (callback)) : nullptr;
}

std::unique_ptr<MidiPortLayer::OutputPort> CombinedMidiPortLayer::openOutput (int index)
{
    const auto [layer, position] = locate (index, [] (const MidiPortLayer& l) { return l.getOutputNames(); });
    return layer != nullptr ? layer->openOutput (position) : nullptr;
}
