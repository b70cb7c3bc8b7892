#pragma once

#include "widgets/boxes/NumberBoxWithLabel.h"
#include "widgets/controllers/TransportController.h"

/** A number box bound to a parameter of one transport control. */
class TransportControllerNumberBox : public NumberBoxWithLabel, public TransportController, public NumberBox::Listener
{
public:
    TransportControllerNumberBox (QXEditorEngine::Ptr engine, const juce::String& parameterName, int transportIndex,
                                  int minimum, int maximum);

    /** Writes the typed (or shown) value into the model. */
    void numberBoxValueChanged (NumberBox* changedBox) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TransportControllerNumberBox)
};
