#include "views/sections/SustainBank.h"

#include "views/controls/SustainControlView.h"
#include "widgets/bound/ControlToMidiControllerButton.h"

SustainBank::SustainBank (QXEditorEngine::Ptr engine) : BankView ({}, true)
{
    setItems ({ new SustainControlView (engine) });
    setItemsPerBank (1);
    setSize (1200, 200);

    addSectionToggle (std::make_unique<ControlToMidiControllerButton> (engine, "Sustain Midi To DIN"), { 1065, 0 });
}
