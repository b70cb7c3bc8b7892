#include "widgets/bound/TransportControllerComboBox.h"

TransportControllerComboBox::TransportControllerComboBox (QXEditorEngine::Ptr engineIn,
                                                          const juce::String& parameterNameIn, int transportIndexIn,
                                                          const juce::StringArray& items)
    : ComboBoxWithLabel (items, parameterNameIn, nullptr),
      TransportController (this, std::move (engineIn), parameterNameIn, transportIndexIn)
{
    // The selection of item 1 is still pending, so this listener hears it.
    getComboBox().addListener (this);
    showStoredValue();
}

void TransportControllerComboBox::comboBoxChanged (juce::ComboBox* changedBox)
{
    updateParameter (changedBox->getSelectedId() - 1);
}
