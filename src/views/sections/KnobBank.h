#pragma once

#include "engine/QXEditorEngine.h"
#include "views/sections/BankView.h"

/** The knobs, four per bank, with the knobs' MIDI-to-DIN toggle. */
class KnobBank : public virtual BankView
{
public:
    KnobBank (QXEditorEngine::Ptr engine, int numKnobs);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (KnobBank)
};
