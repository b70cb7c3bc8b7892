#include "app/AppTestSupport.h"

#include <gtest/gtest.h>

using namespace AppTestSupport;

TEST (DeviceSetup, ApplyAndOkHandTheSelectionOverCancelOnlyClosesAndTheCurrentPortsAreShown)
{
    ShellHarness harness;

    for (auto name : { "A", "B", "C" })
    {
        harness.ports->plugIn (std::make_shared<VirtualMidiInput> (name));
        harness.ports->plugIn (std::make_shared<VirtualMidiOutput> (name, [] (const juce::MidiMessage&) {}));
    }

    const auto open = [&]() -> DeviceManagerComponent& {
        harness.invoke (CommandIds::deviceSetupCommand);
        return harness.shell->getDeviceManagerWindow()->getContent();
    };
    const auto click = [&] (const char* caption) {
        return clickButton (*harness.shell->getDeviceManagerWindow(), caption);
    };

    auto& content = open();

    harness.midiManager->setInputDevice ("C");
    content.getInputList().selectRow (1);
    content.getOutputList().selectRow (2);
    EXPECT_EQ (harness.midiManager->getInputDeviceName(), "C"); // selecting alone changes nothing

    ASSERT_TRUE (click ("Apply"));
    EXPECT_EQ (harness.midiManager->getInputDeviceName(), "B");
    EXPECT_EQ (harness.midiManager->getOutputDeviceName(), "C");
    EXPECT_NE (harness.shell->getDeviceManagerWindow(), nullptr);

    content.getInputList().selectRow (0);
    ASSERT_TRUE (click ("OK"));
    EXPECT_EQ (harness.shell->getDeviceManagerWindow(), nullptr);
    EXPECT_EQ (harness.midiManager->getInputDeviceName(), "A");

    // Reopened, it selects the current ports, the last of two of the same name.
    harness.ports->plugIn (std::make_shared<VirtualMidiInput> ("A"));
    auto& reopened = open();
    EXPECT_EQ (reopened.getInputList().getModel()->getNumRows(), 4);
    EXPECT_EQ (reopened.getSelectedOutputDevice(), "C");
    EXPECT_EQ (reopened.getInputList().getNumSelectedRows(), 1);
    EXPECT_EQ (reopened.getInputList().getSelectedRow (0), 3);
    reopened.getInputList().selectRow (2);
    ASSERT_TRUE (click ("Cancel"));
    EXPECT_EQ (harness.shell->getDeviceManagerWindow(), nullptr);
    EXPECT_EQ (harness.midiManager->getInputDeviceName(), "A");
}
