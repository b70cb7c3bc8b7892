#include "engine/midi/AlsaDeviceWatcher.h"

#include <gtest/gtest.h>

using Polled = AlsaDeviceWatcher::Polled;

// A poll that keeps failing must not spin: the pauses double up to a second, and one good poll
// starts them afresh. The loop runs the scripted polls, then stops.
TEST (AlsaDeviceWatcherTest, BacksOffWhilePollKeepsFailingAndStartsAfreshAfterAGoodPoll)
{
    std::vector<Polled> script (9, Polled::failed);
    script.insert (script.end(), { Polled::events, Polled::nothing, Polled::failed, Polled::failed });

    size_t next = 0;
    int handled = 0;
    std::vector<int> pauses;
    AlsaDeviceWatcher::watch ({ [&] { return script[next++]; }, [&] { ++handled; },
                                [&] (int milliseconds) { return pauses.push_back (milliseconds), true; },
                                [&] { return next < script.size(); } });

    EXPECT_EQ (pauses, (std::vector<int> { 10, 20, 40, 80, 160, 320, 640, 1000, 1000, 10, 20 }));
    EXPECT_EQ (handled, 1);
}
