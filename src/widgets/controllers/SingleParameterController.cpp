#include "widgets/controllers/SingleParameterController.h"

SingleParameterController::SingleParameterController (UIParameterInterface* uiIn, QXEditorEngine::Ptr engineIn,
                                                      const juce::String& parameterNameIn, int groupIdIn,
                                                      int valueOffsetIn)
    : ParameterController (uiIn, std::move (engineIn), parameterNameIn, valueOffsetIn),
      groupId (groupIdIn)
{
    engine->addParameterUpdater (this, groupId);
}

SingleParameterController::~SingleParameterController()
{
    engine->removeParameterUpdater (this, groupId);
}

const Control* SingleParameterController::findControl() const
{
    return engine->getModel().getControl (groupId);
}

void SingleParameterController::writeToEngine (const juce::String& name, juce::uint8 value, bool notify)
{
    engine->setParameter (groupId, name, value, notify);
}
