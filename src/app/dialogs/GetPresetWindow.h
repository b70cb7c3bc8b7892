#pragma once

#include "app/dialogs/PresetSlotWindow.h"

/** "Get Preset From Hardware": "Get" starts reading the chosen slot and closes the dialog;
    "Cancel" only closes it. */
class GetPresetWindow : public PresetSlotWindow
{
public:
    explicit GetPresetWindow (QXEditorEngine::Ptr engine, const Context& context = {});
    ~GetPresetWindow() override;

    void buttonClicked (juce::Button* button) override;

private:
    JUCE_DECLARE_WEAK_REFERENCEABLE (GetPresetWindow)
};
