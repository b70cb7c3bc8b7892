#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The widget half of a parameter binding: a component that can be told to show a value. */
class UIParameterInterface : public juce::Component
{
public:
    /** Shows a value already converted to what the widget displays. */
    virtual void setValue (int shownValue) = 0;

    /** A new caption label (the caller owns it): white, 16 high, left and vertically centred,
        at (0, 0, 100, 16). */
    virtual juce::Label* createLabel (const juce::String& caption);
};
