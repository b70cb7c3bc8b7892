#pragma once

#include "engine/QXEditorEngine.h"
#include "model/ModelConstants.h"

/** Moves presets between the keyboard and files for the command-line tool, through the same
    engine (messages, pauses and retries) as an editor window, waiting for each transfer. */
class PresetTransfer : private QXEditorEngine::Listener
{
public:
    /** The engine's notes on a get go to the diagnostics stream. */
    PresetTransfer (KeyboardLink& keyboard, const ModelConstants& constants, std::ostream& diagnostics);
    ~PresetTransfer() override;

    /** Shortens the pauses; only tests call it. */
    void setTiming (const QXEditorEngine::Timing& timing);

    /** Reads a slot (0-based) into a file, once the file is known to be writable. The file is
        written only when the whole preset came. */
    juce::Result getToFile (int slotIndex, const juce::File& target);

    /** Loads a preset file; fails without touching the model when it is not a preset or holds
        a byte that could not be sent, naming the byte. */
    juce::Result loadFile (const juce::File& source);

    /** Writes the loaded preset into a slot (0-based). */
    juce::Result sendLoaded (int slotIndex);

    juce::Result sync (bool external);

    /** Reads the name of every slot into names, one per slot; fails unless every name came. */
    juce::Result readNames (juce::StringArray& names);

    /** The reason given when the MIDI log cannot be written ("PATH: why"). */
    static juce::String logFailure (const juce::String& reason);

private:
    void midiCommunicationFailed (const juce::String& message) override;
    void presetFileFailed (const juce::String&) override {}
    void sendRefused (const juce::String& reason) override;

    void beginTransfer();
    void waitForTransfer();
    bool isLogWritten();
    juce::Result midiFailure (const juce::String& whatFailed) const;

    KeyboardLink& keyboard;
    ModelConstants constants;
    juce::uint8 highestSplitPoint;
    QXEditorEngine::Ptr engine;
    bool failed = false;
    juce::String failureMessage;

    JUCE_DECLARE_NON_COPYABLE (PresetTransfer)
};
