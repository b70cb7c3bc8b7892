#pragma once

#include "widgets/controllers/ParameterController.h"

/** Binds a widget to one parameter of control number controlIndex of a group. */
class DoubleParameterController : public ParameterController
{
public:
    DoubleParameterController (UIParameterInterface* ui, QXEditorEngine::Ptr engine, const juce::String& parameterName,
                               juce::uint8 controlIndex, int groupId, int valueOffset);

    /** Ends the registration, so the control never reports to a destroyed widget. */
    ~DoubleParameterController() override;

protected:
    const Control* findControl() const override;
    void writeToEngine (const juce::String& name, juce::uint8 value, bool notify) override;

    juce::uint8 controlIndex;
    int groupId;
};
