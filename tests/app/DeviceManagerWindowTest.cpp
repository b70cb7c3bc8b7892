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

    void click (const juce::String& caption)
    {
        auto* button = findChild<juce::Button> (*harness.shell->getDeviceManagerWindow(), caption);
        ASSERT_NE (button, nullptr);
        button->triggerClick();
        juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
    }

    ShellHarness harness;
    std::vector<std::shared_ptr<VirtualMidiInput>> inputs;
    std::vector<std::shared_ptr<VirtualMidiOutput>> outputs;
};
} // namespace

TEST_F (DeviceSetup, ListsThePortsAndSelectsTheCurrentOnes)
{
    harness.midiManager->setInputDevice ("A");
    harness.midiManager->setOutputDevice ("B");

    auto& content = open().getContent();
    EXPECT_EQ (content.getWidth(), 360);
    EXPECT_EQ (content.getHeight(), 425);
    EXPECT_EQ (content.getInputList().getModel()->getNumRows(), 3);
    EXPECT_EQ (content.getSelectedInputDevice(), "A");
    EXPECT_EQ (content.getSelectedOutputDevice(), "B");
    EXPECT_EQ (content.getInputList().getName(), "Input Devices");
    EXPECT_EQ (content.getOutputList().getName(), "Output Devices");
}

TEST_F (DeviceSetup, NothingSelectedWithoutACurrentPort)
{
    auto& content = open().getContent();
    EXPECT_EQ (content.getSelectedInputDevice(), "");
    EXPECT_EQ (content.getSelectedOutputDevice(), "");

    // Apply with nothing selected changes nothing.
    harness.midiManager->setInputDevice ("C");
    click ("Apply");
    EXPECT_EQ (harness.midiManager->getInputDeviceName(), "C");
}

TEST_F (DeviceSetup, ApplyHandsTheSelectionOverAndStaysOpen)
{
    auto& content = open().getContent();
    content.getInputList().selectRow (1);
    content.getOutputList().selectRow (2);
    EXPECT_EQ (harness.midiManager->getInputDeviceName(), ""); // selecting alone changes nothing

    click ("Apply");
    EXPECT_EQ (harness.midiManager->getInputDeviceName(), "B");
    EXPECT_EQ (harness.midiManager->getOutputDeviceName(), "C");
    EXPECT_TRUE (harness.midiManager->isConnected());
    EXPECT_NE (harness.shell->getDeviceManagerWindow(), nullptr);
}

TEST_F (DeviceSetup, OkAppliesAndClosesCancelOnlyCloses)
{
    open().getContent().getInputList().selectRow (0);
    click ("OK");
    EXPECT_EQ (harness.shell->getDeviceManagerWindow(), nullptr);
    EXPECT_EQ (harness.midiManager->getInputDeviceName(), "A");

    auto& content = open().getContent();
    EXPECT_EQ (content.getSelectedInputDevice(), "A");
    content.getInputList().selectRow (2);
    click ("Cancel");
    EXPECT_EQ (harness.shell->getDeviceManagerWindow(), nullptr);
    EXPECT_EQ (harness.midiManager->getInputDeviceName(), "A");
}

TEST_F (DeviceSetup, TwoPortsOfOneNameLeaveTheLastSelected)
{
    auto twin = std::make_shared<VirtualMidiInput> ("A");
    harness.ports->plugIn (twin);
    harness.midiManager->setInputDevice ("A");

    auto& content = open().getContent();
    EXPECT_EQ (content.getInputList().getNumSelectedRows(), 1);
    EXPECT_EQ (content.getInputList().getSelectedRow (0), 3);
}
