#pragma once

#include "app/desktop/DesktopDialogWindow.h"
#include "app/dialogs/KeyboardSlotsComponent.h"

/** "Keyboard Slots": one per keyboard, not modal; closing it stops a names read. */
class KeyboardSlotsWindow : public DesktopDialogWindow
{
public:
    KeyboardSlotsWindow (QXEditorEngine::Ptr engine, const Context& context);
    ~KeyboardSlotsWindow() override;

    KeyboardSlotsComponent& getContent() const { return *content; }

private:
    void confirm() override {}
    void dismiss() override { delete this; }

    KeyboardSlotsComponent* content;

    JUCE_DECLARE_WEAK_REFERENCEABLE (KeyboardSlotsWindow)
};
