#include "views/sections/PadBank.h"

#include "views/controls/PadControlView.h"
#include "widgets/bound/ControlToMidiControllerButton.h"

PadBank::PadBank (QXEditorEngine::Ptr engine, int numPads) : BankView ({}, true)
{
    juce::Array<juce::Component*> views;

    for (int index = 0; index < numPads; ++index)
        views.add (new PadControlView (engine, index));

    setItems (views);
    setItemsPerBank (4);
    setSize (1200, 200);

    addSectionToggle (std::make_unique<ControlToMidiControllerButton> (engine, "Pads Midi To DIN"), { 405, 0 });
}
