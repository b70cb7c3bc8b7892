#include "engine/transfer/TransferPacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
/** A thread that sleeps on a clock of the test's own: each sleep overshoots by a fixed amount,
    and before one chosen message the thread stalls. */
struct StalledThread
{
    double pauseMs, overshootMs, stallMs;
    int stallBefore;

    std::vector<double> sendTimes (int count) const
    {
        double now = 0.0;
        TransferPacer pacer ([&] { return now; }, [&] (double ms) { now += ms + overshootMs; });
        std::vector<double> times;

        for (int i = 0; i < count; ++i)
        {
            if (i == stallBefore)
                now += stallMs;

            pacer.waitForTurn();
            times.push_back (now);
            now += 0.01; // sending takes a moment
            pacer.messageSent (pauseMs);
        }

        return times;
    }
};
} // namespace

TEST (TransferPacer, EveryMessageFollowsTheOneBeforeByThePauseAndAStallIsNotMadeUp)
{
    const StalledThread cases[] = {
        { 3.0, 0.0, 0.0, -1 },  // steady
        { 3.0, 0.0, 40.0, 10 }, // a stall of many pauses
        { 8.0, 0.2, 5.0, 1 },   // overshooting sleeps and a stall shorter than one pause
        { 3.0, 0.0, 2.0, 0 },   // a stall before the first message delays only it
    };

    for (const auto& thread : cases)
    {
        const auto times = thread.sendTimes (30);
        double gapTotal = 0.0;

        for (size_t i = 1; i < times.size(); ++i)
        {
            const auto gap = times[i] - times[i - 1];
            EXPECT_GE (gap, thread.pauseMs) << "message " << i << " after a stall of " << thread.stallMs;

            // Right after the stall the next message waits a whole pause again, not less.
            if (static_cast<int> (i) == thread.stallBefore + 1)
            {
                EXPECT_NEAR (gap, thread.pauseMs + 0.01 + thread.overshootMs, 0.3) << "caught up after the stall";
            }

            gapTotal += gap;
        }

        const auto stallInside = thread.stallBefore > 0 ? thread.stallMs : 0.0;
        EXPECT_LE (gapTotal, static_cast<double> (times.size() - 1) * (thread.pauseMs + 0.01 + thread.overshootMs)
                                 + stallInside + 1e-6);
    }
}
