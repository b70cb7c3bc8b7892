#include "widgets/controllers/DoubleParameterController.h"

DoubleParameterController::DoubleParameterController (UIParameterInterface* uiIn, QXEditorEngine::Ptr engineIn,
                                                      const juce::String& parameterNameIn, juce::uint8 controlIndexIn,
                                                      int groupIdIn, int valueOffsetIn)
    : ParameterController (uiIn, std::move (engineIn), parameterNameIn, valueOffsetIn),
      controlIndex (controlIndexIn),
      groupId (groupIdIn)
{
    engine->addParameterUpdater (this, groupId, controlIndex);
}

DoubleParameterController::~DoubleParameterController()
{
    engine->removeParameterUpdater (this, groupId, controlIndex);
}

const Control* DoubleParameterController::findControl() const
{
    return engine->getModel().getControl (groupId, controlIndex);
}

void DoubleParameterController::writeToEngine (const juce::String& name, juce::uint8 value, bool notify)
{
    engine->setParameter (groupId, controlIndex, name, value, notify);
}
