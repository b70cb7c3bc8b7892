#pragma once

#include "engine/VirtualMidiInput.h"
#include "engine/VirtualMidiOutput.h"

#include <vector>

/** In-process MIDI ports that appear and disappear while the program runs: the simulated
    keyboard's and the tests'. A port opened on a device that is then unplugged stays open but
    carries nothing until the device is plugged in again. Thread-safe. */
class VirtualMidiPortLayer : public MidiPortLayer
{
public:
    /** Makes the device appear at the end of the list; plugging it twice changes nothing. */
    void plugIn (const std::shared_ptr<VirtualMidiInput>& device);
    void plugIn (const std::shared_ptr<VirtualMidiOutput>& device);

    /** Makes the device disappear from the list. */
    void unplug (const std::shared_ptr<VirtualMidiInput>& device);
    void unplug (const std::shared_ptr<VirtualMidiOutput>& device);

    juce::StringArray getInputNames() const override;
    juce::StringArray getOutputNames() const override;
    std::unique_ptr<InputPort> openInput (int index, Callback callback) override;
    std::unique_ptr<OutputPort> openOutput (int index) override;

private:
    template <typename Device>
    static juce::StringArray namesOf (const std::vector<std::shared_ptr<Device>>& devices);

    juce::CriticalSection lock;
    std::vector<std::shared_ptr<VirtualMidiInput>> inputs;
    std::vector<std::shared_ptr<VirtualMidiOutput>> outputs;
};
