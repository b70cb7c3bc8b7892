#include "views/sections/TransportBank.h"

#include "model/kinds/QXTransport.h"
#include "views/controls/TransportControlView.h"
#include "widgets/bound/ControlToMidiControllerButton.h"

TransportBank::TransportBank (QXEditorEngine::Ptr engine) : BankView ({}, true)
{
    const auto& names = QXTransport::buttonNames();
    juce::Array<juce::Component*> views;

    for (int index = 0; index < names.size(); ++index)
        views.add (new TransportControlView (engine, index, names[index]));

    setItems (views);
    setItemsPerBank (4);
    setSize (1200, 200);

    addSectionToggle (std::make_unique<ControlToMidiControllerButton> (engine, "Transport Midi To DIN"), { 670, 0 });
}
