#pragma once

#include "app/dialogs/AllSlotsTransfer.h"
#include "engine/QXEditorEngine.h"
#include "views/TransferStatusStrip.h"
#include "widgets/look/CustomLook.h"

#include <functional>

/** The keyboard's slots by name, 24 rows "NN  Name" ("—" for a name not read), with "Read
    Names", "Open", "Send Front Preset Here", "Back Up All…" and "Restore All…". It reads names,
    backs up and restores through an engine of its own, so each runs in the keyboard's queue like
    any get, with progress and "Cancel". */
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

    /** Hear "Back Up All…" and "Restore All…", which ask for the folder. */
    std::function<void()> onBackUpAll, onRestoreAll;

    /** Hears the slot and preset name of every get or send of a backup or restore that ended well. */
    std::function<void (juce::uint8 slot, const juce::String& name)> onSlotTouched;

    /** Gets every slot into the folder; ended says what was written. */
    void backUpAll (const juce::File& folder, AllSlotsTransfer::Ended ended);

    /** Checks every file of the folder, keeping them for startRestore(); the first bad one's reason. */
    juce::Result prepareRestore (const juce::File& folder, AllSlotsTransfer::Ended ended);
    void startRestore();

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
    void transferSucceeded (TransferStatus::Kind kind, juce::uint8 slot) override;
    void updateButtons();
    void componentVisibilityChanged (juce::Component&) override;
    AllSlotsTransfer::Ended thenUpdate (AllSlotsTransfer::Ended ended);

    QXEditorEngine::Ptr engine;
    juce::ListBox list { "Slot List", this };
    juce::TextButton readButton { "Read Names" }, openButton { "Open" }, sendButton { "Send Front Preset Here" };
    juce::TextButton backUpButton { juce::CharPointer_UTF8 ("Back Up All\xe2\x80\xa6") },
        restoreButton { juce::CharPointer_UTF8 ("Restore All\xe2\x80\xa6") };
    std::unique_ptr<AllSlotsTransfer> allSlots;
    TransferStatusStrip status;
    juce::Label readTime { "Read Time" };
    CustomLook look;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (KeyboardSlotsComponent)
};
