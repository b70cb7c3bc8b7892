#pragma once

#include "engine/QXEditorEngine.h"
#include "model/ModelConstants.h"

#include <juce_events/juce_events.h>

#include <cstdlib>
#include <cstdio>

namespace FuzzSupport
{
/** The QX61's constants, kept alive for the engines that refer to them. */
struct QX61
{
    ModelConstants model = ModelConstants::qx61();
    juce::uint8 highestSplitPoint = model.getHighestSplitPoint();

    QXEditorEngine::Ptr makeEngine (MidiManager& midiManager) const
    {
        return new QXEditorEngine (model.modelId, midiManager, model.presetFilePattern, highestSplitPoint,
                                   model.maxKeybedOctave, model.numKnobs, model.numPads, model.numSwitches);
    }
};

/** Stops the run with a message libFuzzer keeps beside the input. */
inline void check (bool condition, const char* what)
{
    if (! condition)
    {
        std::fprintf (stderr, "Check failed: %s\n", what);
        std::abort();
    }
}

/** The engines' timers and async updates need a message manager; a fuzzer runs on one thread. */
inline void initialiseMessageManager()
{
    juce::MessageManager::getInstance()->setCurrentThreadAsMessageThread();
}
} // namespace FuzzSupport
