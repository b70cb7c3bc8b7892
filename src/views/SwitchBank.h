#pragma once

#include "engine/QXEditorEngine.h"
#include "views/BankView.h"

class ControlToMidiControllerButton;

/** The switches, four per bank, with the switches' MIDI-to-DIN toggle. */
class SwitchBank : public BankView
{
public:
    SwitchBank (QXEditorEngine::Ptr engine, int numSwitches);
    ~SwitchBank() override;

private:
    std::unique_ptr<ControlToMidiControllerButton> midiToDinButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SwitchBank)
};
