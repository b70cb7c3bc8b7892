#pragma once

#include "widgets/controllers/ParameterController.h"

/** Binds a widget to one parameter of the only (first) control of a group. */
class SingleParameterController : public ParameterController
{
public:
    SingleParameterController (UIParameterInterface* ui, QXEditorEngine::Ptr engine, const juce::String& parameterName,
                               int groupId, int valueOffset);

    /** Ends the registration, so the control never reports to a destroyed widget. */
    ~SingleParameterController() override;

protected:
    const Control* findControl() const override;
    void writeToEngine (const juce::String& name, juce::uint8 value, bool notify) override;

    int groupId;
};
