#include "engine/transfer/TransferPacer.h"

#include <chrono>
#include <thread>

#if defined(__unix__) || defined(__APPLE__)
#include <pthread.h>
#include <sched.h>
#endif

namespace
{
// Longer than a sleep usually overshoots on an idle system; spent yielding instead.
constexpr double yieldMarginMs = 0.3;
} // namespace

TransferPacer::TransferPacer() : TransferPacer (steadyMilliseconds, preciseSleep) {}

TransferPacer::TransferPacer (Clock clockIn, Sleep sleepIn) : clock (std::move (clockIn)), sleep (std::move (sleepIn))
{
}

void TransferPacer::waitForTurn()
{
    for (auto remaining = nextAllowed - clock(); remaining > 0.0; remaining = nextAllowed - clock())
        sleep (remaining);
}

void TransferPacer::messageSent (double pauseMs)
{
    nextAllowed = clock() + pauseMs;
}

double TransferPacer::steadyMilliseconds()
{
    using namespace std::chrono;
    return duration<double, std::milli> (steady_clock::now().time_since_epoch()).count();
}

void TransferPacer::raiseThreadPriorityWherePermitted()
{
#if defined(__unix__) || defined(__APPLE__)
    sched_param param {};
    param.sched_priority = sched_get_priority_min (SCHED_RR);
    pthread_setschedparam (pthread_self(), SCHED_RR, &param); // refused without the right: fine
#endif
}

void TransferPacer::preciseSleep (double milliseconds)
{
    const auto deadline = steadyMilliseconds() + milliseconds;

    if (milliseconds > yieldMarginMs)
        std::this_thread::sleep_for (std::chrono::duration<double, std::milli> (milliseconds - yieldMarginMs));

    while (steadyMilliseconds() < deadline)
        std::this_thread::yield();
}
