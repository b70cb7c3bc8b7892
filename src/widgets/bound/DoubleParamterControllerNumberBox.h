#pragma once

#include "widgets/boxes/NumberBoxWithLabel.h"
#include "widgets/controllers/DoubleParameterController.h"

/** A number box bound to a parameter of one control of a group (knobs, pads, switches). */
class DoubleParamterControllerNumberBox :
    public NumberBoxWithLabel,
    public DoubleParameterController,
    public NumberBox::Listener
{
public:
    DoubleParamterControllerNumberBox (QXEditorEngine::Ptr engine, const juce::String& parameterName,
                                       juce::uint8 controlIndex, int groupId, int minimum, int maximum,
                                       int valueOffset);

    /** Writes the typed (or shown) value into the model. */
    void numberBoxValueChanged (NumberBox* changedBox) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DoubleParamterControllerNumberBox)
};
