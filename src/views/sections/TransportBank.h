#pragma once

#include "engine/QXEditorEngine.h"
#include "views/sections/BankView.h"

/** The six transport buttons, four per bank, with the transport MIDI-to-DIN toggle. */
class TransportBank : public BankView
{
public:
    explicit TransportBank (QXEditorEngine::Ptr engine);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TransportBank)
};
