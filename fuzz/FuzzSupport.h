#pragma once

#include "engine/EngineTestSupport.h"

#include <juce_events/juce_events.h>

#include <cstdio>
#include <cstdlib>

namespace FuzzSupport
{
using QX61 = EngineTestSupport::QX61Constants;

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
