#pragma once

#include "engine/QXEditorEngine.h"
#include "views/TransferStatusStrip.h"
#include "widgets/look/CustomLook.h"

#include <functional>

/** The keyboard's slots by name, 24 rows "NN  Name" ("—" for a name not read), with "Read
    Names", "Open" and "Send Front Preset Here". It reads names through an engine of its own,
    so the read runs in the keyboard's queue like any get, with progress and "Cancel". */
class KeyboardSlotsComponent :
    public juce::Component,
    private juce::ListBoxModel,
    private juce::Button::Listener,
    private QXEditorEngine::Listener,
    private juce::ComponentListener
{
public:
    explicit KeyboardSlotsComponent (QXEditorEngine::Ptr engine);
    ~KeyboardSlotsComponent() override;

    /** Hear the chosen zero-based slot. */
    std::function<void (juce::uint8)> onOpen, onSendHere;

    /** Hears that a names read ended, however it ended; the engine holds what it found. */
    std::function<void()> onNamesRead;

    /** Shows names known from before and when they were read. */
    void showKnownNames (std::vector<std::optional<juce::String>> names, juce::Time readAt);

    /** "05  Drums Live", or "05  —" for a name not read. */
    juce::String rowText (int row) const;

    /** The name last read for the slot; empty when none was. */
    juce::String knownName (int slot) const;

    juce::ListBox& getList() { return list; }
    QXEditorEngine& getEngine() const { return *engine; }

    void resized() override;

private:
    int getNumRows() override;
    void paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool selected) override;
    void selectedRowsChanged (int) override { updateButtons(); }
    void buttonClicked (juce::Button* button) override;
    void midiCommunicationFailed (const juce::String&) override {}
    void presetFileFailed (const juce::String&) override {}
    void transferChanged (const TransferStatus& status) override;
    void updateButtons();
    void componentVisibilityChanged (juce::Component&) override;

    QXEditorEngine::Ptr engine;
    juce::ListBox list { "Slot List", this };
    juce::TextButton readButton { "Read Names" }, openButton { "Open" }, sendButton { "Send Front Preset Here" };
    TransferStatusStrip status;
    juce::Label readTime { "Read Time" };
    CustomLook look;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (KeyboardSlotsComponent)
};
