#pragma once

#include <juce_core/juce_core.h>

#include <functional>

/** Hears the ALSA sequencer's announcements of ports and clients coming and going, on a thread
    of its own, the moment they happen. An identifier alone cannot tell a replugged device from
    the one that left (ALSA gives it the same client and port number), but the announcement of
    the port's or client's exit can. Does nothing where there is no ALSA. */
class AlsaDeviceWatcher : private juce::Thread
{
public:
    static constexpr int anyPort = -1;
    static constexpr int anyClient = -1;

    /** Called on the watcher's thread: a port exit names client and port, a client exit names
        the client with anyPort, and anyClient means announcements were lost. */
    using GoneCallback = std::function<void (int client, int port)>;

    /** Called on the watcher's thread when a port or client appeared or went. */
    using ChangedCallback = std::function<void()>;

    AlsaDeviceWatcher (GoneCallback gone, ChangedCallback changed);
    ~AlsaDeviceWatcher() override;

    /** Keeps ALSA's library from printing its errors (e.g. "ALSA lib ... /dev/snd/seq failed"
        every time a missing sequencer is asked for its ports); call before anything touches
        ALSA. The watcher itself reports a missing sequencer once per process instead. */
    static void silenceAlsaErrors();

    enum class Polled
    {
        nothing,
        events,
        failed
    };

    /** The watch's loop apart from ALSA: polls, hands on what arrived, and after each failed
        poll pauses, longer each time while the failures go on. pause and keepGoing say false to
        stop. */
    struct Loop
    {
        std::function<Polled()> poll;
        std::function<void()> handle;
        std::function<bool (int milliseconds)> pause;
        std::function<bool()> keepGoing;
    };

    static void watch (const Loop& loop);

private:
    void run() override;
    void handleEvents();

    GoneCallback gone;
    ChangedCallback changed;
    void* sequencer = nullptr;

    JUCE_DECLARE_NON_COPYABLE (AlsaDeviceWatcher)
};
