#include "app/dialogs/PresetSlotWindow.h"

PresetSlotWindow::PresetSlotWindow (const juce::String& title, QXEditorEngine::Ptr engineIn, const Context& contextIn)
    : DesktopDialogWindow (title, contextIn),
      engine (std::move (engineIn))
{
}

PresetSlotWindow::~PresetSlotWindow()
{
    clearContentComponent();
}

void PresetSlotWindow::showWithContent (PresetSlotComponent* newContent, const juce::String& confirmCaptionIn)
{
    content = newContent;
    confirmCaption = confirmCaptionIn;
    setUsingNativeTitleBar (true);
    setResizable (false, false);
    setContentOwned (newContent, true);
    showOnDesktop ({ &newContent->getSlotComboBox() });
}

void PresetSlotWindow::confirm()
{
    clickButton (confirmCaption);
}

void PresetSlotWindow::dismiss()
{
    clickButton ("Cancel");
}

juce::uint8 PresetSlotWindow::selectedSlotIndex() const
{
    return static_cast<juce::uint8> (content->getSelectedSlot() - 1);
}
