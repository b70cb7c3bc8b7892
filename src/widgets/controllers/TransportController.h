#pragma once

#include "widgets/controllers/ParameterController.h"

/** Binds a widget to one parameter of one of the six transport controls; values are shown as
    stored. */
class TransportController : public ParameterController
{
public:
    TransportController (UIParameterInterface* ui, QXEditorEngine::Ptr engine, const juce::String& parameterName,
                         int transportIndex);

    /** Ends the registration, so the control never reports to a destroyed widget. */
    ~TransportController() override;

protected:
    const Control* findControl() const override;
    void writeToEngine (const juce::String& name, juce::uint8 value, bool notify) override;

    int transportIndex;
};
