#pragma once

#include "widgets/boxes/NumberBox.h"
#include "widgets/controllers/UIParameterInterface.h"

/** A caption on the left half and a number box on the right half. */
class NumberBoxWithLabel : public UIParameterInterface
{
public:
    NumberBoxWithLabel (int minimum, int maximum, const juce::String& caption, NumberBox::Listener* listener);

    /** Shows the value and tells the box's listeners; a value outside the box's range (one a
        preset holds) is shown as it is, without notification. */
    void setValue (int shownValue) override;

    /** The accepted range as the box's tooltip reads it, e.g. "1–16". */
    static juce::String rangeText (int minimum, int maximum);

    NumberBox& getNumberBox() { return *numberBox; }
    juce::Label& getCaption() { return *caption; }

private:
    std::unique_ptr<NumberBox> numberBox;
    std::unique_ptr<juce::Label> caption;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (NumberBoxWithLabel)
};
