#pragma once

#include "app/DeviceManagerComponent.h"
#include "engine/MidiManager.h"

/** The device setup: lists the ports offered when it opens, shows the MIDI manager's current
    choice, and hands the selection over on "Apply" or "OK". Not modal; only "OK" and "Cancel"
    end it. */
class DeviceManagerWindow : public juce::ResizableWindow,
                            public juce::Button::Listener
{
public:
    DeviceManagerWindow (const juce::String& title, MidiManager& midiManager);
    ~DeviceManagerWindow() override;

    void buttonClicked (juce::Button* button) override;

    DeviceManagerComponent& getContent() const { return *content; }

private:
    void applySelection();

    MidiManager& midiManager;
    DeviceManagerComponent* content;

    JUCE_DECLARE_WEAK_REFERENCEABLE (DeviceManagerWindow)
};
