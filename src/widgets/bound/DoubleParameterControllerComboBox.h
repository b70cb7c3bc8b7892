#pragma once

#include "widgets/boxes/ComboBoxWithLabel.h"
#include "widgets/controllers/DoubleParameterController.h"

/** A drop-down list bound to a parameter of one control of a group; the stored value is the
    item id minus 1. */
class DoubleParameterControllerComboBox :
    public ComboBoxWithLabel,
    public DoubleParameterController,
    public juce::ComboBox::Listener
{
public:
    DoubleParameterControllerComboBox (QXEditorEngine::Ptr engine, const juce::String& parameterName,
                                       juce::uint8 controlIndex, int groupId, const juce::StringArray& items,
                                       juce::ComboBox::Listener* extraListener);

    /** Writes the selected item's id minus 1 into the model; with nothing selected that is a
        value the model refuses. */
    void comboBoxChanged (juce::ComboBox* changedBox) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DoubleParameterControllerComboBox)
};
