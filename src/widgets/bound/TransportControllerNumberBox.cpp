#include "widgets/bound/TransportControllerNumberBox.h"

TransportControllerNumberBox::TransportControllerNumberBox (QXEditorEngine::Ptr engineIn,
                                                            const juce::String& parameterNameIn, int transportIndexIn,
                                                            int minimum, int maximum)
    : NumberBoxWithLabel (minimum, maximum, parameterNameIn, nullptr),
      TransportController (this, std::move (engineIn), parameterNameIn, transportIndexIn)
{
    // Attached only now that this object is complete; the box already shows its minimum.
    getNumberBox().addListener (this);
    showStoredValue();
}

void TransportControllerNumberBox::numberBoxValueChanged (NumberBox* changedBox)
{
    updateParameter (static_cast<int> (changedBox->getValue()));
}
