#include "views/sections/SwitchBank.h"

#include "views/controls/SwitchControlView.h"
#include "widgets/bound/ControlToMidiControllerButton.h"

SwitchBank::SwitchBank (QXEditorEngine::Ptr engine, int numSwitches) : BankView ({}, true)
{
    juce::Array<juce::Component*> views;

    for (int index = 0; index < numSwitches; ++index)
        views.add (new SwitchControlView (engine, index));

    setItems (views);
    setItemsPerBank (4);
    setSize (1200, 200);

    addSectionToggle (std::make_unique<ControlToMidiControllerButton> (engine, "Switches Midi To DIN"), { 272, 0 });
}
