#pragma once

#include "engine/QXEditorEngine.h"
#include "model/ModelConstants.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** An engine as an editor window has it, for building views in tests. */
class ViewTestEngine
{
public:
    explicit ViewTestEngine (const ModelConstants& constantsIn = ModelConstants::qx61());

    Control& control (int groupId, int index = 0) const;
    int stored (int groupId, int index, const juce::String& parameterName) const;

    /** The built-in default preset message. */
    juce::Array<juce::uint8> defaultPreset() const;

    /** Puts a value into a preset message at the byte that the parameter addresses. */
    void setInPreset (juce::Array<juce::uint8>& message, int groupId, int index, const juce::String& parameterName,
                      juce::uint8 value) const;

    /** Applies the message and delivers the asynchronous notifications it causes. */
    void apply (const juce::Array<juce::uint8>& message);

    Control::Bytes data() const { return engine->getModel().collectData(); }

    const ModelConstants constants;

private:
    MidiManager midiManager;

public:
    QXEditorEngine::Ptr engine;
};

/** Delivers every message posted so far, and those that they post in turn. */
void deliverPendingMessages();

/** Every component of that type below the root, depth first in child order. */
template <typename ComponentType>
juce::Array<ComponentType*> findAll (juce::Component& root)
{
    juce::Array<ComponentType*> found;

    for (auto* child : root.getChildren())
    {
        if (auto* match = dynamic_cast<ComponentType*> (child))
            found.add (match);

        found.addArray (findAll<ComponentType> (*child));
    }

    return found;
}

/** The first component of that type and name below the root, or nullptr. */
template <typename ComponentType>
ComponentType* findNamed (juce::Component& root, const juce::String& name)
{
    for (auto* candidate : findAll<ComponentType> (root))
        if (candidate->getName() == name)
            return candidate;

    return nullptr;
}

/** Whether the component and all its parents up to the root are visible. */
bool isShownWithin (const juce::Component& component, const juce::Component& root);
