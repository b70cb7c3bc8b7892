#pragma once

#include "app/dialogs/PresetSlotWindow.h"

/** "Send Preset To Hardware": "Send" writes the preset into the chosen slot and closes the
    dialog, or keeps it open when the engine could not send; "Cancel" closes it. */
class SendPresetWindow : public PresetSlotWindow
{
public:
    explicit SendPresetWindow (QXEditorEngine::Ptr engine, const Context& context = {});
    ~SendPresetWindow() override;

    void buttonClicked (juce::Button* button) override;

private:
    JUCE_DECLARE_WEAK_REFERENCEABLE (SendPresetWindow)
};
