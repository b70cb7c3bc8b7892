#include "AppTestSupport.h"

#include <gtest/gtest.h>

using namespace AppTestSupport;

namespace
{
struct DeviceSetup : public ::testing::Test
{
    DeviceSetup()
    {
        for (auto name : { "A", "B", "C" })
        {
            inputs.push_back (std::make_shared<VirtualMidiInput> (name));
            outputs.push_back (std::make_shared<VirtualMidiOutput> (name, [] (const juce::MidiMessage&) {}));
            harness.ports->plugIn (inputs.back());
            harness.ports->plugIn (outputs.back());
        }
    }

    DeviceManagerWindow& open()
    {
        harness.invoke (CommandIds::deviceSetupCommand);
        return *harness.shell->getDeviceManagerWindow();
    }

    bool click (const juce::String& caption) { return clickButton (*harness.shell->getDeviceManagerWindow(), caption); }

    ShellHarness harness;
    std::vector<std::shared_ptr<VirtualMidiInput>> inputs;
    std::vector<std::shared_ptr<VirtualMidiOutput>> outputs;
};
} // namespace

TEST_F (DeviceSetup, ListsThePortsAndSelectsTheCurrentOnesTheLastOfTwins)
{
    harness.ports->plugIn (std::make_shared<VirtualMidiInput> ("A"));
    harness.midiManager->setInputDevice ("A");
    harness.midiManager->setOutputDevice ("B");

    auto& content = open().getContent();
    EXPECT_EQ (content.getInputList().getModel()->getNumRows(), 4);
    EXPECT_EQ (content.getSelectedInputDevice(), "A");
    EXPECT_EQ (content.getSelectedOutputDevice(), "B");
    EXPECT_EQ (content.getInputList().getNumSelectedRows(), 1);
    EXPECT_EQ (content.getInputList().getSelectedRow (0), 3);
}

TEST_F (DeviceSetup, ApplyAndOkHandTheSelectionOverCancelOnlyCloses)
{
    auto& content = open().getContent();
    EXPECT_EQ (content.getSelectedInputDevice(), "");
    EXPECT_EQ (content.getSelectedOutputDevice(), "");

    // Apply with nothing selected changes nothing.
    harness.midiManager->setInputDevice ("C");
    ASSERT_TRUE (click ("Apply"));
    EXPECT_EQ (harness.midiManager->getInputDeviceName(), "C");

    content.getInputList().selectRow (1);
    content.getOutputList().selectRow (2);
    EXPECT_EQ (harness.midiManager->getInputDeviceName(), "C"); // selecting alone changes nothing

    ASSERT_TRUE (click ("Apply"));
    EXPECT_EQ (harness.midiManager->getInputDeviceName(), "B");
    EXPECT_EQ (harness.midiManager->getOutputDeviceName(), "C");
    EXPECT_TRUE (harness.midiManager->isConnected());
    EXPECT_NE (harness.shell->getDeviceManagerWindow(), nullptr);

    content.getInputList().selectRow (0);
    ASSERT_TRUE (click ("OK"));
    EXPECT_EQ (harness.shell->getDeviceManagerWindow(), nullptr);
    EXPECT_EQ (harness.midiManager->getInputDeviceName(), "A");

    auto& reopened = open().getContent();
    EXPECT_EQ (reopened.getSelectedInputDevice(), "A");
    reopened.getInputList().selectRow (2);
    ASSERT_TRUE (click ("Cancel"));
    EXPECT_EQ (harness.shell->getDeviceManagerWindow(), nullptr);
    EXPECT_EQ (harness.midiManager->getInputDeviceName(), "A");
}

TEST (DeviceSetupWithoutPorts, TheEmptyListsSayNoPortsWereFound)
{
    ShellHarness harness;
    harness.invoke (CommandIds::deviceSetupCommand);
    auto& content = harness.shell->getDeviceManagerWindow()->getContent();
    const auto image = content.createComponentSnapshot (content.getLocalBounds());

    // Drawn where the first row would be, in the rows' white; no row to select.
    for (auto* list : { &content.getInputList(), &content.getOutputList() })
    {
        EXPECT_EQ (list->getModel()->getNumRows(), 0);
        const auto row = list->getBounds().withHeight (list->getRowHeight());
        int white = 0;

        for (int y = row.getY(); y < row.getBottom(); ++y)
            for (int x = row.getX(); x < row.getRight(); ++x)
                white += image.getPixelAt (x, y).getBrightness() > 0.9f ? 1 : 0;

        EXPECT_GT (white, 40) << list->getName();
    }
}
