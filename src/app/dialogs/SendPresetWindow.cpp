#include "app/dialogs/SendPresetWindow.h"

#include "app/dialogs/SendPresetComponent.h"

SendPresetWindow::SendPresetWindow (QXEditorEngine::Ptr engineIn, const Context& contextIn)
    : PresetSlotWindow ("Send Preset To Hardware", std::move (engineIn), contextIn)
{
    showWithContent (new SendPresetComponent (this), "Send");
}

SendPresetWindow::~SendPresetWindow()
{
    masterReference.clear();
}

void SendPresetWindow::buttonClicked (juce::Button* button)
{
    const auto name = button->getName();

    if ((name == "Send" && engine->sendPreset (selectedSlotIndex())) || name == "Cancel")
        delete this;
}
