#pragma once

#include "widgets/boxes/NumberBoxWithLabel.h"
#include "widgets/controllers/SingleParameterController.h"

/** A number box bound to a parameter of the first control of a group. */
class SingleParameterControllerNumberBox :
    public NumberBoxWithLabel,
    public SingleParameterController,
    public NumberBox::Listener
{
public:
    SingleParameterControllerNumberBox (QXEditorEngine::Ptr engine, const juce::String& parameterName, int groupId,
                                        int minimum, int maximum, int valueOffset);

    /** Writes the typed (or shown) value into the model. */
    void numberBoxValueChanged (NumberBox* changedBox) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SingleParameterControllerNumberBox)
};
