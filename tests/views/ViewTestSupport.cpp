#include "views/ViewTestSupport.h"

#include <memory>

ViewTestEngine::ViewTestEngine (const ModelConstants& constantsIn)
    : constants (constantsIn),
      engine (new QXEditorEngine (constants.modelId, midiManager, constants.presetFilePattern,
                                  constants.getHighestSplitPoint(), constants.maxKeybedOctave, constants.numKnobs,
                                  constants.numPads, constants.numSwitches))
{
}

Control& ViewTestEngine::control (int groupId, int index) const
{
    auto* found = engine->getModel().getControl (groupId, index);
    jassert (found != nullptr);
    return *found;
}

int ViewTestEngine::stored (int groupId, int index, const juce::String& parameterName) const
{
    return control (groupId, index).getParameter (parameterName);
}

juce::Array<juce::uint8> ViewTestEngine::defaultPreset() const
{
    return ModelConstants::qx61DefaultPreset();
}

void ViewTestEngine::setInPreset (juce::Array<juce::uint8>& message, int groupId, int index,
                                  const juce::String& parameterName, juce::uint8 value) const
{
    const auto& target = control (groupId, index);
    const auto dataOffset = target.getImageOffset() + target.getParameterIndex (parameterName);
    message.set (PresetLayout::messageOffset (dataOffset), value);
}

void ViewTestEngine::apply (const juce::Array<juce::uint8>& message)
{
    engine->applyPreset (message);
    deliverPendingMessages();
}

void deliverPendingMessages()
{
    // Messages are delivered in order, so once a marker posted last has arrived, everything
    // before it has too; a few rounds cover notifications that post further ones.
    for (int round = 0; round < 4; ++round)
    {
        auto arrived = std::make_shared<bool> (false);
        juce::MessageManager::callAsync ([arrived] { *arrived = true; });

        for (int tries = 0; tries < 200 && ! *arrived; ++tries)
            juce::MessageManager::getInstance()->runDispatchLoopUntil (5);
    }
}

bool isShownWithin (const juce::Component& component, const juce::Component& root)
{
    for (auto* walk = &component; walk != nullptr; walk = walk->getParentComponent())
    {
        if (! walk->isVisible())
            return false;

        if (walk == &root)
            return true;
    }

    return false;
}
