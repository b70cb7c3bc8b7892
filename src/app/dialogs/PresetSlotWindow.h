#pragma once

#include "app/desktop/DesktopDialogWindow.h"
#include "app/dialogs/PresetSlotComponent.h"
#include "engine/QXEditorEngine.h"

/** What both preset-slot dialogs share: a fixed-size, non-modal window over its editor window,
    holding one engine reference; closing it is its "Cancel", Return its confirming button. */
class PresetSlotWindow : public DesktopDialogWindow, public juce::Button::Listener
{
public:
    ~PresetSlotWindow() override;

    PresetSlotComponent& getContent() const { return *content; }

protected:
    PresetSlotWindow (const juce::String& title, QXEditorEngine::Ptr engine, const Context& context);

    void confirm() override;
    void dismiss() override;

    /** Takes ownership of the content and shows the window. */
    void showWithContent (PresetSlotComponent* newContent, const juce::String& confirmCaption);

    /** The slot index the engine expects: 0 for slot "1". */
    juce::uint8 selectedSlotIndex() const;

    QXEditorEngine::Ptr engine;

private:
    PresetSlotComponent* content = nullptr;
    juce::String confirmCaption;

    JUCE_DECLARE_NON_COPYABLE (PresetSlotWindow)
};
