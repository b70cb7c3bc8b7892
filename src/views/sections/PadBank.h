#pragma once

#include "engine/QXEditorEngine.h"
#include "views/sections/BankView.h"

/** The drum pads, four per bank, with the pads' MIDI-to-DIN toggle. */
class PadBank : public BankView
{
public:
    PadBank (QXEditorEngine::Ptr engine, int numPads);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PadBank)
};
