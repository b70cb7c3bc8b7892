#include "app/desktop/TerminationWatch.h"

#include <csignal>
#include <dlfcn.h>

namespace
{
constexpr int watchedSignals[] = { SIGTERM, SIGINT, SIGHUP };
struct sigaction previousActions[std::size (watchedSignals)];

static_assert (std::atomic<int>::is_always_lock_free, "a signal handler may only touch a lock-free atomic");
} // namespace

std::atomic<int> TerminationWatch::pendingSignal { 0 };
TerminationWatch* TerminationWatch::current = nullptr;

TerminationWatch::TerminationWatch (std::function<void (int)> signalledIn, std::function<void()> displayLostIn)
    : signalled (std::move (signalledIn)),
      displayLost (std::move (displayLostIn))
{
    jassert (current == nullptr);
    current = this;
    pendingSignal = 0;

    struct sigaction action
    {};
    action.sa_handler = [] (int signal) { noteSignal (signal); };
    sigemptyset (&action.sa_mask);

    for (size_t i = 0; i < std::size (watchedSignals); ++i)
        ::sigaction (watchedSignals[i], &action, &previousActions[i]);

    watchDisplay();
    startTimer (pollMs);
}

TerminationWatch::~TerminationWatch()
{
    stopTimer();

    for (size_t i = 0; i < std::size (watchedSignals); ++i)
        ::sigaction (watchedSignals[i], &previousActions[i], nullptr);

    if (setDisplayHandler != nullptr)
        setDisplayHandler (previousDisplayHandler);

    if (x11 != nullptr)
        ::dlclose (x11);

    current = nullptr;
}

void TerminationWatch::noteSignal (int signal)
{
    pendingSignal.store (signal);
}

void TerminationWatch::timerCallback()
{
    if (const auto signal = pendingSignal.exchange (0); signal != 0)
    {
        stopTimer();
        signalled (signal);
    }
}

void TerminationWatch::watchDisplay()
{
    // JUCE opens the X library at run time and keeps its handler to itself; the library's own
    // setter, from the copy already loaded, puts ours in front of it.
    // Held open until the old handler is back, whatever JUCE does with its own hold.
    x11 = ::dlopen ("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);

    if (x11 == nullptr)
        return;

    setDisplayHandler = reinterpret_cast<SetDisplayHandler> (::dlsym (x11, "XSetIOErrorHandler"));

    if (setDisplayHandler != nullptr)
        previousDisplayHandler = setDisplayHandler (&TerminationWatch::displayBroken);
}

int TerminationWatch::displayBroken (struct _XDisplay* display)
{
    // Only the message thread may read the windows' presets.
    if (current != nullptr && juce::MessageManager::existsAndIsCurrentThread())
        current->displayLost();

    if (current != nullptr && current->previousDisplayHandler != nullptr)
        return current->previousDisplayHandler (display);

    return 0;
}
