#include "views/pictures/PicturePreloader.h"

PicturePreloader::PicturePreloader (const juce::StringArray& names, Decoder decoderIn) : decoder (std::move (decoderIn))
{
    for (const auto& name : names)
        entries.push_back ({ name, State::queued, {} });

    // Started last: the thread reads the entries.
    thread = std::thread ([this] { run(); });
}

PicturePreloader::~PicturePreloader()
{
    stopping = true;
    thread.join();
}

juce::Image PicturePreloader::take (const juce::String& name)
{
    std::unique_lock<std::mutex> lock (mutex);
    auto* entry = find (name);

    if (entry == nullptr)
        return {};

    // Being decoded: waiting is quicker than starting the same work over.
    decoded.wait (lock, [entry] { return entry->state != State::decoding; });

    entry->state = State::taken;
    return std::exchange (entry->image, {});
}

void PicturePreloader::run()
{
    while (! stopping)
    {
        Entry* entry = nullptr;
        juce::String name;

        {
            const std::lock_guard<std::mutex> lock (mutex);
            entry = claimNext();

            if (entry == nullptr)
                return;

            name = entry->name;
        }

        // Nobody else touches an entry while it is being decoded: take() waits for it.
        auto image = decoder (name);

        {
            const std::lock_guard<std::mutex> lock (mutex);
            entry->image = std::move (image);
            entry->state = State::decoded;
        }

        decoded.notify_all();
    }
}

PicturePreloader::Entry* PicturePreloader::claimNext()
{
    for (auto& entry : entries)
    {
        if (entry.state == State::queued)
        {
            entry.state = State::decoding;
            return &entry;
        }
    }

    return nullptr;
}

PicturePreloader::Entry* PicturePreloader::find (const juce::String& name)
{
    for (auto& entry : entries)
        if (entry.name == name)
            return &entry;

    return nullptr;
}
