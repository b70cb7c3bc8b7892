#pragma once

#include <juce_graphics/juce_graphics.h>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

/** Decodes pictures on a thread of its own, in the order given, so that decoding overlaps with
    whatever the program does meanwhile (at start-up: the framework opening the display).
    Each picture is handed out once. A picture asked for before its turn is left to the caller,
    who decodes it at once instead of waiting for the ones queued ahead of it. */
class PicturePreloader
{
public:
    using Decoder = std::function<juce::Image (const juce::String& name)>;

    /** Starts decoding at once. The decoder is called on the preloader's thread. */
    PicturePreloader (const juce::StringArray& names, Decoder decoder);

    /** Waits for the picture being decoded, if any; the rest are dropped. */
    ~PicturePreloader();

    /** The decoded picture, waiting for it if it is being decoded right now. Invalid if the name
        is not one of this preloader's, was taken already, or its turn has not come yet: the
        preloader then skips it, and the caller decodes it itself. */
    juce::Image take (const juce::String& name);

private:
    enum class State
    {
        queued,
        decoding,
        decoded,
        taken
    };

    struct Entry
    {
        juce::String name;
        State state = State::queued;
        juce::Image image;
    };

    void run();
    Entry* claimNext();
    Entry* find (const juce::String& name);

    Decoder decoder;
    std::vector<Entry> entries;
    std::mutex mutex;
    std::condition_variable decoded;
    std::atomic<bool> stopping { false };
    std::thread thread;

    JUCE_DECLARE_NON_COPYABLE (PicturePreloader)
};
