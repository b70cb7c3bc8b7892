#pragma once

#include "engine/QXEditorEngine.h"
#include "views/sections/BankView.h"

/** The switches, four per bank, with the switches' MIDI-to-DIN toggle. */
class SwitchBank : public BankView
{
public:
    SwitchBank (QXEditorEngine::Ptr engine, int numSwitches);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SwitchBank)
};
