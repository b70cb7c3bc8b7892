#pragma once

#include "engine/MidiManager.h"
#include "model/PresetModel.h"

#include <juce_events/juce_events.h>

class ParameterUpdater;

/** One per editor window: holds the preset model, lets widgets bind to its controls, and moves
    presets between the model, the keyboard and files. Shared by counted references. */
class QXEditorEngine : public juce::ReferenceCountedObject,
                       private juce::Timer,
                       private MidiManager::MidiManagerListener
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<QXEditorEngine>;
    using Bytes = Control::Bytes;

    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void midiCommunicationFailed (const juce::String& message) = 0;
        virtual void presetFileFailed (const juce::String& fileName) = 0;
    };

    QXEditorEngine (const juce::uint8& modelId, MidiManager& midiManager, const juce::String& filePattern,
                    const juce::uint8& highestSplitPoint, const juce::uint8& maxOctave,
                    const int& numKnobs, const int& numPads, const int& numSwitches);
    ~QXEditorEngine() override;

    //==============================================================================
    // Binding: a widget registers with one control and writes through the engine.
    void addParameterUpdater (ParameterUpdater* updater, int groupId);
    void addParameterUpdater (ParameterUpdater* updater, int groupId, juce::uint8 index);
    void addTransportParameterUpdater (ParameterUpdater* updater, int groupId, int index);

    /** Ends a registration made by one of the add operations; a widget calls it when destroyed. */
    void removeParameterUpdater (ParameterUpdater* updater, int groupId, int index = 0);

    void setParameter (int groupId, juce::uint8 index, const juce::String& parameterName,
                       juce::uint8 value, bool notify);
    void setParameter (int groupId, const juce::String& parameterName, juce::uint8 value, bool notify);
    void setTransportParameter (int groupId, int index, const juce::String& parameterName,
                                juce::uint8 value, bool notify);
    juce::uint8 getMinimum (int groupId, const juce::String& parameterName) const;
    juce::uint8 getMaximum (int groupId, const juce::String& parameterName) const;

    //==============================================================================
    void addListener (Listener* listener);
    void removeListener (Listener* listener);
    juce::String getFilePattern() const { return filePattern; }

    /** Applies a whole preset message; ignored unless its length is the preset length. */
    void applyPreset (const Bytes& presetMessage);

    const PresetModel& getModel() const { return model; }
    int getPresetLength() const { return presetLength; }

private:
    void timerCallback() override {}
    void handleMidiMessage (const juce::MidiMessage&) override {}

    void distributePreset (const Bytes& presetMessage);

    MidiManager& midiManager;
    const juce::uint8& modelId;
    int presetLength;
    PresetModel model;
    ListenerArray<Listener> listeners;
    juce::String filePattern;

    JUCE_DECLARE_NON_COPYABLE (QXEditorEngine)
};
