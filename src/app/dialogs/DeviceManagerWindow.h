#pragma once

#include "app/desktop/DesktopDialogWindow.h"
#include "app/dialogs/DeviceManagerComponent.h"
#include "engine/midi/MidiManager.h"

/** The device setup: lists the ports offered when it opens, shows the MIDI manager's current
    choice, and hands the selection over on "Apply" or "OK". Not modal; "OK" ends it, and so do
    "Cancel", the close button and Escape without applying. */
class DeviceManagerWindow : public DesktopDialogWindow, public juce::Button::Listener
{
public:
    DeviceManagerWindow (const juce::String& title, MidiManager& midiManager, const Context& context = {});
    ~DeviceManagerWindow() override;

    void buttonClicked (juce::Button* button) override;

    DeviceManagerComponent& getContent() const { return *content; }

    /** Runs once the selection has been handed over. */
    std::function<void()> onApply;

private:
    void confirm() override { clickButton ("OK"); }
    void dismiss() override { clickButton ("Cancel"); }
    void applySelection();

    MidiManager& midiManager;
    DeviceManagerComponent* content;

    JUCE_DECLARE_WEAK_REFERENCEABLE (DeviceManagerWindow)
};
