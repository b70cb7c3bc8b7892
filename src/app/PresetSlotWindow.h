#pragma once

#include "app/PresetSlotComponent.h"
#include "engine/QXEditorEngine.h"

/** What both preset-slot dialogs share: a fixed-size, centred, non-modal window holding one
    engine reference, with no window buttons, so only its own buttons end it. */
class PresetSlotWindow : public juce::ResizableWindow,
                         public juce::Button::Listener
{
public:
    ~PresetSlotWindow() override;

    PresetSlotComponent& getContent() const { return *content; }

protected:
    PresetSlotWindow (const juce::String& title, QXEditorEngine::Ptr engine);

    /** Takes ownership of the content and shows the window. */
    void showWithContent (PresetSlotComponent* newContent);

    /** The slot index the engine expects: 0 for slot "1". */
    juce::uint8 selectedSlotIndex() const;

    QXEditorEngine::Ptr engine;

private:
    PresetSlotComponent* content = nullptr;

    JUCE_DECLARE_NON_COPYABLE (PresetSlotWindow)
};
