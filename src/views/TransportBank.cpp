#include "views/TransportBank.h"

#include "model/QXTransport.h"
#include "views/TransportControlView.h"
#include "widgets/ControlToMidiControllerButton.h"

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
