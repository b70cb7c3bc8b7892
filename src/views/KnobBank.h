#pragma once

#include "engine/QXEditorEngine.h"
#include "views/BankView.h"

class ControlToMidiControllerButton;

/** The knobs, four per bank, with the knobs' MIDI-to-DIN toggle. */
class KnobBank : public virtual BankView
{
public:
    KnobBank (QXEditorEngine::Ptr engine, int numKnobs);
    ~KnobBank() override;

private:
    std::unique_ptr<ControlToMidiControllerButton> midiToDinButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (KnobBank)
};
