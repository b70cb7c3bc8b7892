#pragma once

#include "engine/QXEditorEngine.h"
#include "views/sections/BankView.h"

/** The sustain pedal's view with the sustain MIDI-to-DIN toggle. */
class SustainBank : public BankView
{
public:
    explicit SustainBank (QXEditorEngine::Ptr engine);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SustainBank)
};
