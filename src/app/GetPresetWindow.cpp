#include "app/GetPresetWindow.h"

#include "app/GetPresetComponent.h"

GetPresetWindow::GetPresetWindow (QXEditorEngine::Ptr engineIn)
    : PresetSlotWindow ("Get Preset From Hardware", std::move (engineIn))
{
    showWithContent (new GetPresetComponent (this));
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
