#pragma once

#include "engine/MidiPortLayer.h"

/** The system's MIDI ports, through juce::MidiInput and juce::MidiOutput. */
class JuceMidiPortLayer : public MidiPortLayer
{
public:
    juce::StringArray getInputNames() const override;
    juce::StringArray getOutputNames() const override;
    std::unique_ptr<InputPort> openInput (int index, Callback callback) override;
    std::unique_ptr<OutputPort> openOutput (int index) override;
};
