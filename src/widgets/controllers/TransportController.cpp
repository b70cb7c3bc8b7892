#include "widgets/controllers/TransportController.h"

#include "model/controls/ControlGroup.h"

TransportController::TransportController (UIParameterInterface* uiIn, QXEditorEngine::Ptr engineIn,
                                          const juce::String& parameterNameIn, int transportIndexIn)
    : ParameterController (uiIn, std::move (engineIn), parameterNameIn, 0),
      transportIndex (transportIndexIn)
{
    engine->addTransportParameterUpdater (this, ControlGroup::transportGroup, transportIndex);
}

TransportController::~TransportController()
{
    engine->removeParameterUpdater (this, ControlGroup::transportGroup, transportIndex);
}

const Control* TransportController::findControl() const
{
    return engine->getModel().getControl (ControlGroup::transportGroup, transportIndex);
}

void TransportController::writeToEngine (const juce::String& name, juce::uint8 value, bool notify)
{
    engine->setTransportParameter (ControlGroup::transportGroup, transportIndex, name, value, notify);
}
