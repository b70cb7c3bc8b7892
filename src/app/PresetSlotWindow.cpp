#include "app/PresetSlotWindow.h"

PresetSlotWindow::PresetSlotWindow (const juce::String& title, QXEditorEngine::Ptr engineIn)
    : juce::ResizableWindow (title, false), engine (std::move (engineIn))
{
}

PresetSlotWindow::~PresetSlotWindow()
{
    clearContentComponent();
}

void PresetSlotWindow::showWithContent (PresetSlotComponent* newContent)
{
    content = newContent;
    setUsingNativeTitleBar (true);
    setResizable (false, false);
    setContentOwned (newContent, true);
    centreWithSize (newContent->getWidth(), newContent->getHeight());
    setAlwaysOnTop (false);
    addToDesktop();
    setVisible (true);
}

juce::uint8 PresetSlotWindow::selectedSlotIndex() const
{
    return static_cast<juce::uint8> (content->getSelectedSlot() - 1);
}
