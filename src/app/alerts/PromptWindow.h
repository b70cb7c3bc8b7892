#pragma once

#include "widgets/look/CustomLook.h"

/** An alert or question in the program's own flat look rather than the framework's default. */
class PromptWindow : public juce::AlertWindow
{
public:
    PromptWindow (const juce::String& title, const juce::String& message, juce::MessageBoxIconType icon);
    ~PromptWindow() override;

private:
    CustomLook look;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PromptWindow)
};
