#include "engine/midi/AlsaDeviceWatcher.h"

#include <algorithm>
#include <cerrno>
#include <iostream>
#include <mutex>
#include <vector>

// A poll that fails at once would otherwise turn the thread into a busy loop; the pause doubles
// from 10 ms up to a second while the failures go on.
void AlsaDeviceWatcher::watch (const Loop& loop)
{
    int failures = 0;

    while (loop.keepGoing())
    {
        const auto polled = loop.poll();
        failures = polled == Polled::failed ? failures + 1 : 0;

        if (polled == Polled::events)
            loop.handle();

        if (polled == Polled::failed && ! loop.pause (juce::jmin (1000, 10 << juce::jlimit (0, 7, failures - 1))))
            return;
    }
}

#if JUCE_LINUX
#include <alsa/asoundlib.h>
#include <poll.h>

namespace
{
void ignoreAlsaError (const char*, int, const char*, int, const char*, ...) {}

snd_seq_t* seqOf (void* sequencer)
{
    return static_cast<snd_seq_t*> (sequencer);
}

void reportUnavailable (int error)
{
    static std::once_flag reported;
    std::call_once (reported, [error] {
        std::cerr << "MIDI is not available: the ALSA sequencer cannot be opened (" << snd_strerror (error) << ")"
                  << std::endl;
    });
}

snd_seq_t* openAnnouncementListener()
{
    snd_seq_t* seq = nullptr;

    if (const auto error = snd_seq_open (&seq, "default", SND_SEQ_OPEN_INPUT, SND_SEQ_NONBLOCK); error < 0)
    {
        reportUnavailable (error);
        return nullptr;
    }

    snd_seq_set_client_name (seq, "QX61 device watch");
    const auto port = snd_seq_create_simple_port (
        seq, "announcements", SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_NO_EXPORT, SND_SEQ_PORT_TYPE_APPLICATION);

    if (port < 0 || snd_seq_connect_from (seq, port, SND_SEQ_CLIENT_SYSTEM, SND_SEQ_PORT_SYSTEM_ANNOUNCE) < 0)
    {
        reportUnavailable (port < 0 ? port : -EPERM);
        snd_seq_close (seq);
        return nullptr;
    }

    return seq;
}

bool hasFailed (int polled, const std::vector<pollfd>& descriptors)
{
    if (polled < 0)
        return errno != EINTR;

    return std::any_of (descriptors.begin(), descriptors.end(),
                        [] (const pollfd& d) { return (d.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0; });
}
} // namespace

void AlsaDeviceWatcher::silenceAlsaErrors()
{
    static std::once_flag installed;
    std::call_once (installed, [] { snd_lib_error_set_handler (ignoreAlsaError); });
}

AlsaDeviceWatcher::AlsaDeviceWatcher (GoneCallback goneIn, ChangedCallback changedIn)
    : juce::Thread ("MIDI device watch"),
      gone (std::move (goneIn)),
      changed (std::move (changedIn))
{
    silenceAlsaErrors();
    sequencer = openAnnouncementListener();

    if (sequencer != nullptr)
        startThread();
}

AlsaDeviceWatcher::~AlsaDeviceWatcher()
{
    stopThread (-1);

    if (sequencer != nullptr)
        snd_seq_close (seqOf (sequencer));
}

void AlsaDeviceWatcher::run()
{
    auto* seq = seqOf (sequencer);
    std::vector<pollfd> descriptors (static_cast<size_t> (snd_seq_poll_descriptors_count (seq, POLLIN)));
    snd_seq_poll_descriptors (seq, descriptors.data(), static_cast<unsigned int> (descriptors.size()), POLLIN);

    // The short poll lets the thread notice that it should stop.
    watch ({ [&descriptors] {
                const auto polled = poll (descriptors.data(), descriptors.size(), 100);
                return hasFailed (polled, descriptors) ? Polled::failed : polled > 0 ? Polled::events : Polled::nothing;
            },
             [this] { handleEvents(); },
             [this] (int milliseconds) {
                 wait (milliseconds);
                 return ! threadShouldExit();
             },
             [this] { return ! threadShouldExit(); } });
}

void AlsaDeviceWatcher::handleEvents()
{
    auto* seq = seqOf (sequencer);
    snd_seq_event_t* event = nullptr;
    int result = 0;

    while ((result = snd_seq_event_input (seq, &event)) >= 0 && event != nullptr)
    {
        const auto& addr = event->data.addr;

        switch (event->type)
        {
            case SND_SEQ_EVENT_PORT_EXIT:
                gone (addr.client, addr.port);
                changed();
                break;
            case SND_SEQ_EVENT_CLIENT_EXIT:
                gone (addr.client, anyPort);
                changed();
                break;
            case SND_SEQ_EVENT_PORT_START:
            case SND_SEQ_EVENT_CLIENT_START:
            case SND_SEQ_EVENT_PORT_CHANGE: changed(); break;
            default: break;
        }
    }

    if (result == -ENOSPC)
    {
        gone (anyClient, anyPort);
        changed();
    }
}

#else

void AlsaDeviceWatcher::silenceAlsaErrors() {}

AlsaDeviceWatcher::AlsaDeviceWatcher (GoneCallback goneIn, ChangedCallback changedIn)
    : juce::Thread ("MIDI device watch"),
      gone (std::move (goneIn)),
      changed (std::move (changedIn))
{
}

AlsaDeviceWatcher::~AlsaDeviceWatcher() = default;
void AlsaDeviceWatcher::run() {}
void AlsaDeviceWatcher::handleEvents() {}

#endif
