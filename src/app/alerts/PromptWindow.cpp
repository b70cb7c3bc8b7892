#include "app/alerts/PromptWindow.h"

PromptWindow::PromptWindow (const juce::String& title, const juce::String& message, juce::MessageBoxIconType icon)
    : juce::AlertWindow (title, message, icon)
{
    setLookAndFeel (&look);
}

PromptWindow::~PromptWindow()
{
    setLookAndFeel (nullptr);
}
