// Runs a whole get, a whole send and a read of every slot's name against the simulated keyboard with the real pauses. From
// the MIDI log: each transfer's span from its first message to its last as a ratio to the pauses
// between them, and the smallest gap between two messages. Meanwhile a 10 ms timer on the message
// thread shows how long that thread was ever unavailable.
#include "engine/QXEditorEngine.h"
#include "engine/midi/MidiLog.h"
#include "engine/simulator/SimulatedKeyboard.h"
#include "model/ModelConstants.h"

#include <juce_events/juce_events.h>

#include <chrono>
#include <cstdio>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;

/** Records the longest time between two of its ticks. */
struct TickWatch : private juce::Timer
{
    void start()
    {
        longestGapMs = 0.0;
        last = Clock::now();
        startTimer (10);
    }

    void stop() { stopTimer(); }

    double longestGapMs = 0.0;

private:
    void timerCallback() override
    {
        const auto now = Clock::now();
        longestGapMs = juce::jmax (longestGapMs, std::chrono::duration<double, std::milli> (now - last).count());
        last = now;
    }

    Clock::time_point last;
};

struct Figures
{
    double spanMs = 0.0, smallestGapMs = 1.0e9, longestTickGapMs = 0.0;
    int messages = 0;
};

/** The outgoing lines of a MIDI log: their times in milliseconds. */
std::vector<double> outgoingTimes (const juce::File& logFile)
{
    std::vector<double> times;
    juce::StringArray lines;
    lines.addLines (logFile.loadFileAsString());

    for (const auto& line : lines)
        if (line.contains (" OUT "))
            times.push_back (line.upToFirstOccurrenceOf (" ", false, false).getDoubleValue());

    return times;
}

template <typename Start>
bool measure (MidiManager& midiManager, QXEditorEngine& engine, const juce::File& logFile, Start&& start,
              Figures& figures)
{
    logFile.deleteFile();
    auto log = std::make_shared<MidiLog> (logFile);
    midiManager.setLog (log);
    TickWatch ticks;
    ticks.start();
    start();

    const auto deadline = Clock::now() + std::chrono::seconds (30);

    while (engine.isTransferRunning() && Clock::now() < deadline)
        juce::MessageManager::getInstance()->runDispatchLoopUntil (1);

    ticks.stop();
    midiManager.setLog (nullptr);
    log->flush();
    log.reset();

    const auto times = outgoingTimes (logFile);
    figures.messages = static_cast<int> (times.size());
    figures.longestTickGapMs = ticks.longestGapMs;

    for (size_t i = 1; i < times.size(); ++i)
        figures.smallestGapMs = juce::jmin (figures.smallestGapMs, times[i] - times[i - 1]);

    if (times.size() > 1)
        figures.spanMs = times.back() - times.front();

    return ! engine.isTransferRunning();
}

void print (const char* name, const Figures& figures, int pauseMs)
{
    const auto floorMs = (figures.messages - 1) * pauseMs;
    std::printf ("%s: %.3f s, floor %.3f s, ratio %.4f, smallest gap %.3f ms (pause %d ms)\n", name,
                 figures.spanMs / 1000.0, floorMs / 1000.0, figures.spanMs / floorMs, figures.smallestGapMs, pauseMs);
}
} // namespace

int main()
{
    juce::ScopedJuceInitialiser_GUI juce;

    auto layer = std::make_shared<VirtualMidiPortLayer>();
    SimulatedKeyboard keyboard (*layer);
    KeyboardLink link (layer);
    auto& midiManager = link.getMidiManager();
    midiManager.setInputDevice (SimulatedKeyboard::portName);
    midiManager.setOutputDevice (SimulatedKeyboard::portName);

    auto constants = ModelConstants::qx61();
    const auto highestSplitPoint = constants.getHighestSplitPoint();
    QXEditorEngine::Ptr engine (new QXEditorEngine (constants.modelId, link, constants.presetFilePattern,
                                                    highestSplitPoint, constants.maxKeybedOctave, constants.numKnobs,
                                                    constants.numPads, constants.numSwitches));
    const QXEditorEngine::Timing timing;
    const auto logFile = juce::File::createTempFile ("qx-bench.log");
    Figures get, send;

    const auto got = measure (
        midiManager, *engine, logFile, [&] { engine->startGet (0); }, get);

    if (! got || get.messages != constants.getLayout().dataLength()
        || engine->getModel().collectData() != keyboard.getSlotData (0))
    {
        std::printf ("get did not complete\n");
        return 1;
    }

    const auto sent = measure (
        midiManager, *engine, logFile, [&] { engine->sendPreset (1); }, send);
    logFile.deleteFile();

    if (! sent || keyboard.getSlotData (1) != engine->getModel().collectData())
    {
        std::printf ("send did not complete\n");
        return 1;
    }

    Figures names;
    const auto namesRead = measure (
        midiManager, *engine, logFile, [&] { engine->startNameRead(); }, names);
    logFile.deleteFile();

    if (! namesRead || names.messages != ModelConstants::numSlots * PresetLayout::presetNameBytes)
    {
        std::printf ("names read did not complete\n");
        return 1;
    }

    std::printf ("messages per preset: %d\n", get.messages);
    print ("get ", get, timing.requestPauseMs);
    print ("send", send, timing.writePauseMs);
    print ("names", names, timing.requestPauseMs);
    std::printf ("names read: %.3f s against its pacing floor of %d requests x %d ms = %.3f s (target ratio <= 1.05)\n",
                 names.spanMs / 1000.0, names.messages, timing.requestPauseMs,
                 names.messages * timing.requestPauseMs / 1000.0);
    std::printf ("message thread: longest gap between 10 ms ticks %.1f ms during the get, %.1f ms during the send\n",
                 get.longestTickGapMs, send.longestTickGapMs);
    return 0;
}
