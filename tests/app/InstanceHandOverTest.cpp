#include "app/InstanceHandOver.h"
#include "engine/MidiTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

using MidiTestSupport::dispatchUntil;

namespace
{
const char* const portVariable = "QX_HANDOVER_TEST_PORT";
const char* const lineVariable = "QX_HANDOVER_TEST_LINE";

/** A port for this test run that no other run on the machine uses at the same time. */
int testPort (const juce::String& purpose)
{
    return InstanceHandOver::portFor ("test-" + purpose, juce::String (juce::SystemStats::getEnvironmentVariable ("DISPLAY", {}))
                                                             + juce::String (static_cast<int> (getpid())));
}
} // namespace

// Runs only as the second process started by the test below.
TEST (InstanceHandOverChild, SendsItsCommandLine)
{
    const auto port = juce::SystemStats::getEnvironmentVariable (portVariable, {});

    if (port.isEmpty())
        GTEST_SKIP() << "only run as the second process of a hand-over test";

    EXPECT_TRUE (InstanceHandOver::sendToRunningInstance (
        port.getIntValue(), juce::SystemStats::getEnvironmentVariable (lineVariable, {})));
}

TEST (InstanceHandOver, ASecondProcessHandsItsCommandLineToTheRunningOne)
{
    const auto port = testPort ("two-processes");
    juce::StringArray received;
    InstanceHandOver running (port, [&] (const juce::String& line) { received.add (line); });
    ASSERT_TRUE (running.isListening());

    const juce::String line ("\"/tmp/some folder/preset.qx6\"");
    setenv (portVariable, juce::String (port).toRawUTF8(), 1);
    setenv (lineVariable, line.toRawUTF8(), 1);

    juce::ChildProcess second;
    const auto started = second.start (
        juce::StringArray { juce::File::getSpecialLocation (juce::File::currentExecutableFile).getFullPathName(),
                            "--gtest_filter=InstanceHandOverChild.SendsItsCommandLine" },
        juce::ChildProcess::wantStdOut | juce::ChildProcess::wantStdErr);
    unsetenv (portVariable);
    unsetenv (lineVariable);
    ASSERT_TRUE (started);

    // The running instance answers on its message thread, so keep it turning while waiting.
    ASSERT_TRUE (dispatchUntil ([&] { return ! second.isRunning(); }, 20000));
    const auto output = second.readAllProcessOutput();
    EXPECT_EQ (second.getExitCode(), 0u) << output;
    EXPECT_EQ (received, juce::StringArray (line));
}

TEST (InstanceHandOver, WithoutARunningInstanceNothingIsHandedOver)
{
    EXPECT_FALSE (InstanceHandOver::sendToRunningInstance (testPort ("nobody"), "/tmp/a.qx6", 500));
}

TEST (InstanceHandOver, AStrangerOnThePortIsNotTakenForTheEditor)
{
    const auto port = testPort ("stranger");
    juce::StreamingSocket stranger;
    ASSERT_TRUE (stranger.createListener (port, "127.0.0.1"));

    // It accepts the connection but never answers: the launch must run by itself.
    const auto start = juce::Time::getMillisecondCounter();
    EXPECT_FALSE (InstanceHandOver::sendToRunningInstance (port, "/tmp/a.qx6", 300));
    EXPECT_LT (juce::Time::getMillisecondCounter() - start, 5000u);

    // And an instance that finds the port taken does not listen.
    InstanceHandOver second (port, [] (const juce::String&) {});
    EXPECT_FALSE (second.isListening());
}

TEST (InstanceHandOver, PortsDifferBetweenDisplaysAndStayBelowTheEphemeralRange)
{
    const auto a = InstanceHandOver::portFor ("1000", ":0");
    EXPECT_EQ (a, InstanceHandOver::portFor ("1000", ":0"));
    EXPECT_NE (a, InstanceHandOver::portFor ("1000", ":1"));
    EXPECT_NE (a, InstanceHandOver::portFor ("1001", ":0"));

    for (auto display : { ":0", ":1", ":99", "localhost:10.0" })
    {
        const auto port = InstanceHandOver::portFor ("1000", display);
        EXPECT_GE (port, 20000);
        EXPECT_LT (port, 30000);
    }
}
