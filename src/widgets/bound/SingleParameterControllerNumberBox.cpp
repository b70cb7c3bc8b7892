#include "widgets/bound/SingleParameterControllerNumberBox.h"

SingleParameterControllerNumberBox::SingleParameterControllerNumberBox (QXEditorEngine::Ptr engineIn,
                                                                        const juce::String& parameterNameIn,
                                                                        int groupIdIn, int minimum, int maximum,
                                                                        int valueOffsetIn)
    : NumberBoxWithLabel (minimum, maximum, parameterNameIn, nullptr),
      SingleParameterController (this, std::move (engineIn), parameterNameIn, groupIdIn, valueOffsetIn)
{
    // Attached only now that this object is complete; the box already shows its minimum.
    getNumberBox().addListener (this);
    showStoredValue();
}

void SingleParameterControllerNumberBox::numberBoxValueChanged (NumberBox* changedBox)
{
    updateParameter (static_cast<int> (changedBox->getValue()));
}
