#include "views/sections/KnobBank.h"

#include "views/controls/KnobControlView.h"
#include "widgets/bound/ControlToMidiControllerButton.h"

KnobBank::KnobBank (QXEditorEngine::Ptr engine, int numKnobs) : BankView ({}, true)
{
    juce::Array<juce::Component*> views;

    for (int index = 0; index < numKnobs; ++index)
        views.add (new KnobControlView (engine, index));

    setItems (views);
    setItemsPerBank (4);
    setSize (1200, 200);

    addSectionToggle (std::make_unique<ControlToMidiControllerButton> (engine, "Knobs Midi To DIN"), { 140, 0 });
}
