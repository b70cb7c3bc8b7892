#pragma once

#include "engine/EditHistory.h"
#include "engine/KeyboardLink.h"
#include "engine/transfer/GetTransfer.h"
#include "engine/transfer/TransferStatus.h"
#include "engine/transfer/TransferTracker.h"
#include "model/ModelConstants.h"
#include "model/PresetModel.h"
#include "model/controls/ParameterEdit.h"

#include <juce_events/juce_events.h>

#include <cstdint>
#include <iostream>
#include <memory>
#include <optional>
#include <vector>

class ParameterUpdater;

/** One per editor window: holds the preset model, lets widgets bind to its controls, and moves
    presets between the model, the keyboard and files. Shared by counted references. */
class QXEditorEngine : public juce::ReferenceCountedObject, private juce::AsyncUpdater
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<QXEditorEngine>;
    using Bytes = Control::Bytes;

    /** Pacing of the keyboard dialogue. The program always uses the defaults, which the
        keyboard needs; tests shorten them. */
    struct Timing
    {
        int requestPauseMs = 3;
        int writePauseMs = 8;
        int replyTimeoutMs = 2000;
        int maxAttempts = 9;
        int settleMs = 100; // quiet input before a get's first request
    };

    /** The highest zero-based slot a get or send accepts: one past the slots offered. */
    static constexpr juce::uint8 highestSlot = ModelConstants::numSlots;

    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void midiCommunicationFailed (const juce::String& message) = 0;
        virtual void presetFileFailed (const juce::String& fileName) = 0;

        /** A transfer of this engine moved on (progress, waiting, ended). */
        virtual void transferChanged (const TransferStatus&) {}

        /** A get's preset has been applied, or a send or sync reached the keyboard whole. */
        virtual void transferSucceeded (TransferStatus::Kind, juce::uint8 /*slot*/) {}

        /** A send was refused, nothing sent, for the reason given (a value MIDI cannot carry). */
        virtual void sendRefused (const juce::String& /*reason*/) {}

        /** hasUnsavedEdits() turned to the value given: by an edit, undo, redo, a whole preset
            applied, or a load, save, get or send that set the clean point. */
        virtual void editedChanged (bool /*edited*/) {}

        /** A byte of the preset changed: an edit, a batch, undo, redo or a whole preset. */
        virtual void presetChanged() {}
        /** getSourceSlot() changed: a get or send ended well, or a file was loaded. */
        virtual void sourceSlotChanged() {}
    };

    QXEditorEngine (const juce::uint8& modelId, KeyboardLink& keyboard, const juce::String& filePattern,
                    const juce::uint8& highestSplitPoint, const juce::uint8& maxOctave, const int& numKnobs,
                    const int& numPads, const int& numSwitches);
    ~QXEditorEngine() override;

    //==============================================================================
    // Binding: a widget registers with one control and writes through the engine.
    void addParameterUpdater (ParameterUpdater* updater, int groupId);
    void addParameterUpdater (ParameterUpdater* updater, int groupId, juce::uint8 index);
    void addTransportParameterUpdater (ParameterUpdater* updater, int groupId, int index);

    /** Ends a registration made by one of the add operations; a widget calls it when destroyed. */
    void removeParameterUpdater (ParameterUpdater* updater, int groupId, int index = 0);

    void setParameter (int groupId, juce::uint8 index, const juce::String& parameterName, juce::uint8 value,
                       bool notify);
    void setParameter (int groupId, const juce::String& parameterName, juce::uint8 value, bool notify);
    void setTransportParameter (int groupId, int index, const juce::String& parameterName, juce::uint8 value,
                                bool notify);
    /** Writes the edits as one undo step; every name sharing an edited byte is reported, so
        every bound widget shows it. A value out of its parameter's range is dropped. */
    void applyEdits (const std::vector<ParameterEdit>& edits);

    juce::uint8 getMinimum (int groupId, const juce::String& parameterName) const;

    /** Writes the whole name as one edit; false, nothing written, for a name that cannot be
        stored (QXPresetName::encode). Every name listener hears every character. */
    bool renamePreset (const juce::String& name);
    juce::String getPresetName() const;

    /** For views that show the name as a whole rather than binding to one character. */
    void addPresetNameListener (Control::Listener* listener);
    void removePresetNameListener (Control::Listener* listener);
    juce::uint8 getMaximum (int groupId, const juce::String& parameterName) const;

    //==============================================================================
    void addListener (Listener* listener);
    void removeListener (Listener* listener);
    juce::String getFilePattern() const { return filePattern; }

    /** Applies a whole preset message; ignored unless its length is the preset length. */
    void applyPreset (const Bytes& presetMessage);

    /** The preset message of the model for a slot: header, slot byte, data, end byte. */
    Bytes buildPresetMessage (juce::uint8 slot) const;

    //==============================================================================
    // The keyboard. Transfers run on the keyboard's transfer thread, one at a time for every
    // engine on that keyboard; the listeners hear of them, and a got preset is applied, on the
    // message thread.

    /** Reads a slot, one request per data byte, retrying the whole loop until every address
        has been answered or the attempts run out (then midiCommunicationFailed). Cancels a get
        of this engine still running. Ignored for a slot above highestSlot; with no input or
        output open it fails at once. */
    void startGet (juce::uint8 slot);

    /** Reads only the name bytes of every slot, slot after slot, under the same rules as a get;
        the names of the slots read whole are kept when it ends, however it ends
        (getSlotNames). With no input or output open it fails at once. */
    void startNameRead();

    /** Per slot, the name the last names read found; none for a slot it did not read. */
    const std::vector<std::optional<juce::String>>& getSlotNames() const { return slotNames; }

    /** Names known from before, such as a names read of an earlier run. */
    void setSlotNames (std::vector<std::optional<juce::String>> names) { slotNames = std::move (names); }

    /** Starts writing a copy of the model, taken now, into a slot, one message per data byte;
        edits made meanwhile are not sent. False, after telling the listeners, when no input or
        output is open, or when a data byte does not fit in 7 bits (sendRefused; nothing sent). */
    bool sendPreset (juce::uint8 slot);

    /** Starts switching the keyboard's clock source; false, after telling the listeners, when
        no input or output is open. */
    bool setSync (bool external);

    /** Stops every transfer of this engine at once; a cancelled get applies nothing. */
    void cancelTransfers();

    /** Stops this engine's get, if one runs; it applies nothing. */
    void cancelGet() { cancel (TransferStatus::Kind::get); }

    bool isGetRunning() const { return transfers.isGetRunning(); }
    bool isTransferRunning() const { return transfers.isRunning(); }

    //==============================================================================
    // Files.

    /** Writes the preset message for slot 0 and takes the file as the preset's; on failure the
        reason, the old file intact and the preset's file unchanged. */
    juce::Result savePresetFile (const juce::File& file);

    /** Applies a file of exactly the preset length and takes it as the preset's file; false,
        the model unchanged, otherwise. */
    bool loadPresetFile (const juce::File& file);

    /** The file the preset was last loaded from or saved to (none for a new preset); undo and
        redo of a whole preset bring back the file it had. */
    const juce::File& getPresetFile() const { return presetFile; }

    /** The slot the preset was last got from or sent to; none for a new or loaded preset. */
    std::optional<juce::uint8> getSourceSlot() const { return sourceSlot; }

    //==============================================================================
    // Undo and redo: every change of a byte through setParameter is one step, and so is every
    // whole preset applied (a get or a load), with its file. Undo reports every parameter, as
    // applying does.

    bool undo();
    bool redo();
    bool canUndo() const { return history.canUndo(); }
    bool canRedo() const { return history.canRedo(); }

    /** Whether the preset differs from what was last loaded, saved, got or sent. */
    bool hasUnsavedEdits() const { return history.isEdited (model.collectData()); }

    /** The preset came back from a recovery file: it belongs to file (none for an untitled one)
        and counts as edited until it is saved, whatever it holds. */
    void takeAsRecovered (const juce::File& file);

    /** The preset now matches its file or the keyboard. */
    void markClean() { markCleanAt (++cleanMarks, model.collectData()); }

    const PresetModel& getModel() const { return model; }
    int getPresetLength() const { return presetLength; }

    /** Where the two lines written when a get starts go; standard output unless changed. */
    void setDiagnosticStream (std::ostream& stream) { diagnostics = &stream; }

    /** Tests only: shorter pauses and timeout. */
    void setTiming (const Timing& newTiming) { timing = newTiming; }

private:
    using RunningTransfer = TransferTracker::Entry;

    void handleAsyncUpdate() override;

    void distributePreset (const Bytes& presetMessage);
    void restore (const EditHistory::Step& step);

    /** Applies the data as one undo step; the first preset an engine gets is its clean start. */
    void applyWholePreset (const Bytes& presetData);

    /** Writes one parameter, recording the preset as it was when the byte changes. */
    void writeParameter (Control& control, const juce::String& parameterName, juce::uint8 value, bool notify);
    int dataLength() const { return model.getLayout().dataLength(); }

    GetTransfer::Settings readSettings (juce::uint8 slot, int length) const;
    void enqueueRead (const GetTransfer::Settings& settings);
    void keepNamesRead (const RunningTransfer& running);
    void enqueueWrite (TransferStatus::Kind kind, juce::uint8 slot, std::vector<juce::MidiMessage> messages,
                       int pauseMs, Bytes sentData = {});
    void cancel (TransferStatus::Kind kind);
    void processTransfers();
    TransferStatus confirmed (const RunningTransfer& running, TransferStatus status);
    void finish (const RunningTransfer& running, const TransferStatus& status);
    void reportMidiFailure (const juce::String& message = {});
    bool portsAreOpen() const;

    /** Sets the clean point unless one taken later is set already: a send's copy is taken when
        it starts, but the send ends well only after loads or saves made meanwhile. */
    void markCleanAt (std::uint64_t mark, const Bytes& data);

    /** Tells the listeners when hasUnsavedEdits() no longer gives what they last heard. */
    void reportEditedState();
    void reportPresetChanged();
    void setSourceSlot (std::optional<juce::uint8> slot);

    KeyboardLink& keyboard;
    MidiManager& midiManager;
    const juce::uint8& modelId;
    int presetLength;
    PresetModel model;
    ListenerArray<Listener> listeners;
    juce::String filePattern;
    Timing timing;
    EditHistory history;
    juce::File presetFile;
    std::optional<juce::uint8> sourceSlot;
    std::vector<std::optional<juce::String>> slotNames;
    bool hasPreset = false;
    std::ostream* diagnostics = &std::cout;
    std::uint64_t cleanMarks = 0; // how many clean points have been taken, in order
    std::uint64_t cleanMark = 0;  // which of them the history holds
    bool reportedEdited = false;

    // Message thread only.
    TransferTracker transfers { keyboard.getTransferQueue() };

    JUCE_DECLARE_NON_COPYABLE (QXEditorEngine)
};
