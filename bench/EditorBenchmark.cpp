// Times building one editor's content with a preset applied to every widget, and applying a
// preset to an existing editor, the combo boxes' asynchronous updates included. Prints medians.
#include "app/CommandLineOptions.h"
#include "engine/QXEditorEngine.h"
#include "engine/midi/virtual/VirtualMidiPortLayer.h"
#include "model/ModelConstants.h"
#include "views/EditorComponent.h"
#include "views/selectors/Q61ProductProductImageViewSelector.h"
#include "views/selectors/TabSelectorButtons.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;

double millisecondsSince (Clock::time_point start)
{
    return std::chrono::duration<double, std::milli> (Clock::now() - start).count();
}

double median (std::vector<double> values)
{
    std::sort (values.begin(), values.end());
    return values[values.size() / 2];
}

/** Runs the message loop one message at a time until everything posted so far, and whatever
    that posts in turn, has been delivered. */
void deliverPendingMessages()
{
    for (int round = 0; round < 3; ++round)
    {
        auto arrived = std::make_shared<bool> (false);
        juce::MessageManager::callAsync ([arrived] { *arrived = true; });

        while (! *arrived)
            juce::MessageManager::getInstance()->runDispatchLoopUntil (0);
    }
}

/** The default preset with every data byte moved by one, so every widget has something to show. */
juce::Array<juce::uint8> shiftedPreset (const juce::Array<juce::uint8>& preset)
{
    auto shifted = preset;
    for (int i = PresetLayout::messageDataStart; i < shifted.size() - 1; ++i)
        shifted.set (i, static_cast<juce::uint8> (shifted[i] == 0 ? 1 : shifted[i] - 1));
    return shifted;
}

struct Editor
{
    explicit Editor (KeyboardLink& keyboard)
        : engine (new QXEditorEngine (constants.modelId, keyboard, constants.presetFilePattern, highestSplitPoint,
                                      constants.maxKeybedOctave, constants.numKnobs, constants.numPads,
                                      constants.numSwitches)),
          editor (std::make_unique<TabSelectorButtons>(), std::make_unique<Q61ProductProductImageViewSelector>(),
                  engine, constants.numKnobs, constants.numPads, constants.numSwitches)
    {
    }

    const ModelConstants constants = ModelConstants::qx61();
    const juce::uint8 highestSplitPoint = constants.getHighestSplitPoint();
    QXEditorEngine::Ptr engine;
    EditorComponent editor;
};
} // namespace

int main (int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juce;
    const int runs = argc > 1 ? std::max (3, std::atoi (argv[1])) : 50;

    KeyboardLink keyboard (std::make_shared<VirtualMidiPortLayer>());
    const auto preset = ModelConstants::qx61DefaultPreset();
    const auto other = shiftedPreset (preset);

    std::vector<double> builds, applies;

    for (int run = 0; run < std::max (5, runs / 5); ++run)
    {
        const auto start = Clock::now();
        Editor editor (keyboard);
        editor.engine->applyPreset (preset);
        deliverPendingMessages();
        builds.push_back (millisecondsSince (start));
    }

    Editor editor (keyboard);
    editor.engine->applyPreset (preset);
    deliverPendingMessages();

    for (int run = 0; run < runs; ++run)
    {
        const auto start = Clock::now();
        editor.engine->applyPreset (run % 2 == 0 ? other : preset);
        deliverPendingMessages();
        applies.push_back (millisecondsSince (start));
    }

    // A handed-over command line is parsed on the message thread: its cost must grow with its
    // length, not with its square.
    const auto parseMs = [] (int length) {
        const auto line = ("\"/tmp/" + juce::String::repeatedString ("a b ", length / 4) + "\"").substring (0, length);
        std::vector<double> times;

        for (int i = 0; i < 5; ++i)
        {
            const auto start = Clock::now();
            CommandLineOptions::parse (line);
            times.push_back (millisecondsSince (start));
        }

        return median (times);
    };
    const auto small = parseMs (8 * 1024), large = parseMs (64 * 1024);
    std::printf ("command-line parse: 8 KiB %.3f ms, 64 KiB %.3f ms, ratio %.1f (linear: 8)\n", small, large,
                 large / small);

    std::printf ("editor build + preset: median %.2f ms (%zu runs)\n", median (builds), builds.size());
    std::printf ("preset apply: median %.2f ms, max %.2f ms (%zu runs), target < 10 ms\n", median (applies),
                 *std::max_element (applies.begin(), applies.end()), applies.size());
    return 0;
}
