#include "widgets/bound/DoubleParameterControllerComboBox.h"

DoubleParameterControllerComboBox::DoubleParameterControllerComboBox (QXEditorEngine::Ptr engineIn,
                                                                      const juce::String& parameterNameIn,
                                                                      juce::uint8 controlIndexIn, int groupIdIn,
                                                                      const juce::StringArray& items,
                                                                      juce::ComboBox::Listener* extraListener)
    : ComboBoxWithLabel (items, parameterNameIn, nullptr),
      DoubleParameterController (this, std::move (engineIn), parameterNameIn, controlIndexIn, groupIdIn, 0)
{
    // The selection of item 1 is still pending, so both listeners hear it.
    getComboBox().addListener (this);

    if (extraListener != nullptr)
        getComboBox().addListener (extraListener);

    showStoredValue();
}

void DoubleParameterControllerComboBox::comboBoxChanged (juce::ComboBox* changedBox)
{
    updateParameter (changedBox->getSelectedId() - 1);
}
