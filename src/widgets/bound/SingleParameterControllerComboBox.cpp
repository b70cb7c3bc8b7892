#include "widgets/bound/SingleParameterControllerComboBox.h"

SingleParameterControllerComboBox::SingleParameterControllerComboBox (QXEditorEngine::Ptr engineIn,
                                                                      const juce::String& parameterNameIn,
                                                                      int groupIdIn, const juce::StringArray& items,
                                                                      juce::ComboBox::Listener* extraListener)
    : ComboBoxWithLabel (items, parameterNameIn, nullptr),
      SingleParameterController (this, std::move (engineIn), parameterNameIn, groupIdIn, 0)
{
    // The selection of item 1 is still pending, so both listeners hear it.
    getComboBox().addListener (this);

    if (extraListener != nullptr)
        getComboBox().addListener (extraListener);

    showStoredValue();
}

void SingleParameterControllerComboBox::comboBoxChanged (juce::ComboBox* changedBox)
{
    updateParameter (changedBox->getSelectedId() - 1);
}
