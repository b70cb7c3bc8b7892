#include "app/desktop/TerminationWatch.h"

#include <gtest/gtest.h>

#include <csignal>

// A real signal reaches the message thread once, with its number, from the timer's poll.
TEST (TerminationWatchTest, ASignalReachesTheMessageThreadOnce)
{
    std::vector<int> heard;
    TerminationWatch watch ([&] (int signal) { heard.push_back (signal); }, [] {});
    ::raise (SIGHUP);
    EXPECT_TRUE (heard.empty()) << "not heard inside the handler";

    for (int i = 0; i < 100 && heard.empty(); ++i)
        juce::MessageManager::getInstance()->runDispatchLoopUntil (20);

    juce::MessageManager::getInstance()->runDispatchLoopUntil (3 * TerminationWatch::pollMs);
    EXPECT_EQ (heard, std::vector<int> { SIGHUP });
}
