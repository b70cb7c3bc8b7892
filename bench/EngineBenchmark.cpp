// Times a whole get and a whole send against the simulated keyboard with the real pauses, and
// prints each as a ratio to its pacing floor (the pauses alone).
#include "engine/QXEditorEngine.h"
#include "engine/SimulatedKeyboard.h"
#include "model/ModelConstants.h"

#include <juce_events/juce_events.h>

#include <chrono>
#include <cstdio>

namespace
{
using Clock = std::chrono::steady_clock;

double secondsSince (Clock::time_point start)
{
    return std::chrono::duration<double> (Clock::now() - start).count();
}

template <typename Condition>
bool dispatchUntil (Condition&& condition, int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds (timeoutMs);

    while (! condition())
    {
        if (Clock::now() >= deadline)
            return false;

        juce::MessageManager::getInstance()->runDispatchLoopUntil (1);
    }

    return true;
}

void printRatio (const char* name, double seconds, double floorSeconds)
{
    std::printf ("%s: %.3f s, floor %.3f s, ratio %.3f\n", name, seconds, floorSeconds, seconds / floorSeconds);
}
} // namespace

int main()
{
    juce::ScopedJuceInitialiser_GUI juce;

    auto layer = std::make_shared<VirtualMidiPortLayer>();
    SimulatedKeyboard keyboard (*layer);
    MidiManager midiManager (layer);
    midiManager.setInputDevice (SimulatedKeyboard::portName);
    midiManager.setOutputDevice (SimulatedKeyboard::portName);

    auto constants = ModelConstants::qx61();
    const auto highestSplitPoint = constants.getHighestSplitPoint();
    QXEditorEngine::Ptr engine (new QXEditorEngine (constants.modelId, midiManager, constants.presetFilePattern,
                                                    highestSplitPoint, constants.maxKeybedOctave,
                                                    constants.numKnobs, constants.numPads, constants.numSwitches));
    const QXEditorEngine::Timing timing;
    const auto addresses = constants.getLayout().dataLength();

    const auto getStart = Clock::now();
    engine->startGet (0);
    const auto got = dispatchUntil ([&] { return ! engine->isGetRunning(); }, 30000);
    const auto getSeconds = secondsSince (getStart);

    if (! got || engine->getModel().collectData() != keyboard.getSlotData (0))
    {
        std::printf ("get did not complete\n");
        return 1;
    }

    const auto sendStart = Clock::now();
    const auto sent = engine->sendPreset (1);
    const auto sendSeconds = secondsSince (sendStart);

    if (! sent || keyboard.getSlotData (1) != engine->getModel().collectData())
    {
        std::printf ("send did not complete\n");
        return 1;
    }

    std::printf ("messages per preset: %d\n", addresses);
    printRatio ("get ", getSeconds, addresses * timing.requestPauseMs / 1000.0);
    printRatio ("send", sendSeconds, addresses * timing.writePauseMs / 1000.0);
    return 0;
}
