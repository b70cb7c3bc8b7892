#include "widgets/bound/DoubleParamterControllerNumberBox.h"

DoubleParamterControllerNumberBox::DoubleParamterControllerNumberBox (QXEditorEngine::Ptr engineIn,
                                                                      const juce::String& parameterNameIn,
                                                                      juce::uint8 controlIndexIn, int groupIdIn,
                                                                      int minimum, int maximum, int valueOffsetIn)
    : NumberBoxWithLabel (minimum, maximum, parameterNameIn, nullptr),
      DoubleParameterController (this, std::move (engineIn), parameterNameIn, controlIndexIn, groupIdIn, valueOffsetIn)
{
    // Attached only now that this object is complete; the box already shows its minimum.
    getNumberBox().addListener (this);
    showStoredValue();
}

void DoubleParamterControllerNumberBox::numberBoxValueChanged (NumberBox* changedBox)
{
    updateParameter (static_cast<int> (changedBox->getValue()));
}
