#include "app/dialogs/GetPresetWindow.h"

#include "app/dialogs/GetPresetComponent.h"

GetPresetWindow::GetPresetWindow (QXEditorEngine::Ptr engineIn, const Context& contextIn)
    : PresetSlotWindow ("Get Preset From Hardware", std::move (engineIn), contextIn)
{
    showWithContent (new GetPresetComponent (this), "Get");
}

GetPresetWindow::~GetPresetWindow()
{
    masterReference.clear();
}

void GetPresetWindow::buttonClicked (juce::Button* button)
{
    if (button->getName() == "Get")
        engine->startGet (selectedSlotIndex());

    delete this;
}
