#pragma once

#include "engine/QXEditorEngine.h"

#include <functional>

/** Backs up every slot into a folder, or restores every slot from one, through an engine of
    its own, so each get or send waits its turn in the keyboard's queue like any other. The
    files are slot-01.qx6 ... slot-24.qx6, as the command-line tool writes them. The engine's
    "Cancel" stops the whole run. */
class AllSlotsTransfer : private QXEditorEngine::Listener, private juce::AsyncUpdater
{
public:
    /** Told, once the run has ended however it ended, what was written. */
    using Ended = std::function<void (const juce::String& report)>;

    AllSlotsTransfer (QXEditorEngine& engine, const juce::File& folder, Ended ended);
    ~AllSlotsTransfer() override;

    /** Gets every slot, writing each one's file once its get ends well; a failed get writes none. */
    void startBackup();

    /** Reads and checks every file as the tool does before it sends anything; on the first
        bad file, its reason. */
    juce::Result checkFiles();

    /** Sends the files checked, slot after slot, until one fails or is cancelled. */
    void startRestore();

    bool isRunning() const { return next < numSlots && ! stopped; }

private:
    static constexpr int numSlots = ModelConstants::numSlots;

    void transferChanged (const TransferStatus& status) override;
    void transferSucceeded (TransferStatus::Kind kind, juce::uint8 slot) override;
    void midiCommunicationFailed (const juce::String& message) override;
    void presetFileFailed (const juce::String&) override {}
    void sendRefused (const juce::String& reason) override { lastFailure = reason; }
    void handleAsyncUpdate() override;

    void startNext();
    void failSlot (const juce::String& reason);
    void end();
    juce::String backupReport() const;
    juce::String restoreReport() const;
    juce::String placeOf (int dataOffset) const;

    QXEditorEngine& engine;
    juce::File folder;
    Ended ended;
    bool restoring = false;
    int next = numSlots; // the slot whose transfer runs or comes next
    bool stopped = false;
    std::vector<QXEditorEngine::Bytes> presets;
    juce::StringArray written, failures;
    juce::String lastFailure;
};
