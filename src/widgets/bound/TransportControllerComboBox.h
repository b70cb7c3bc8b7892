#pragma once

#include "widgets/boxes/ComboBoxWithLabel.h"
#include "widgets/controllers/TransportController.h"

/** A drop-down list bound to a parameter of one transport control. */
class TransportControllerComboBox :
    public ComboBoxWithLabel,
    public TransportController,
    public juce::ComboBox::Listener
{
public:
    TransportControllerComboBox (QXEditorEngine::Ptr engine, const juce::String& parameterName, int transportIndex,
                                 const juce::StringArray& items);

    /** Writes the selected item's id minus 1 into the model; with nothing selected that is a
        value the model refuses. */
    void comboBoxChanged (juce::ComboBox* changedBox) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TransportControllerComboBox)
};
