#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

// The message manager must exist for timers, asynchronous updates and components. What the code
// keeps between runs, or locks while it runs, goes to a folder of this run's, never the user's.
int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);
    char folder[] = "/tmp/qx_tests.XXXXXX";
    if (::mkdtemp (folder) == nullptr)
        return 1;
    setenv ("XDG_STATE_HOME", folder, 1);
    setenv ("XDG_RUNTIME_DIR", folder, 1);
    juce::ScopedJuceInitialiser_GUI juce;
    const auto result = RUN_ALL_TESTS();
    juce::File (folder).deleteRecursively();
    return result;
}
