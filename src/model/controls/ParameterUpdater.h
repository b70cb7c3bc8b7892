#pragma once

#include "model/controls/Control.h"

/** A controller that ties one widget to one parameter: it hears the control's reports and
    writes the widget's value back through the engine. */
class ParameterUpdater : public Control::Listener
{
public:
    ~ParameterUpdater() override = default;
    void parameterChanged (const juce::String& parameterName, juce::uint8 value) override = 0;
    virtual void updateParameter (int shownValue) = 0;
};
