#include "app/editor/MappingWindow.h"

MappingWindow::MappingWindow (const juce::String& documentName, QXEditorEngine::Ptr engine)
    : juce::DocumentWindow (titleFor (documentName), juce::Colours::white,
                            juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton, false),
      table (new MappingTableComponent (std::move (engine)))
{
    setUsingNativeTitleBar (true);
    setContentOwned (table, true);
    setResizable (true, false);
    centreWithSize (getWidth(), getHeight());
}

juce::String MappingWindow::titleFor (const juce::String& documentName)
{
    return "Mapping - " + documentName;
}

void MappingWindow::activeWindowStatusChanged()
{
    if (isActiveWindow())
        table->takeKeys();
}
