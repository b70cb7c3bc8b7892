#pragma once

#include "engine/QXEditorEngine.h"
#include "model/mapping/MappingTable.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** Shows what the engine's transfer is doing ("Reading slot 3 — 212 of 465") with a progress bar
    and a "Cancel" button, and for a few seconds afterwards how it ended ("Preset sent to slot 5");
    an editor's strip also counts the preset's conflicts ("2 conflicts": controls sending the same
    CC or note on one channel) while there are any. Hidden while nothing happens. Failures are the
    alerts' business; only a send that may have left its slot partly written says so here too. */
class TransferStatusStrip :
    public juce::Component,
    private QXEditorEngine::Listener,
    private juce::Button::Listener,
    private juce::Timer
{
public:
    static constexpr int height = 30;
    static constexpr int messageShownMs = 4000;

    enum class Conflicts
    {
        counted,
        ignored // an engine that only carries transfers has no preset worth judging
    };

    TransferStatusStrip (QXEditorEngine::Ptr engine, Conflicts conflicts);
    ~TransferStatusStrip() override;

    /** The bar's or the message's text, whichever shows. */
    juce::String getText() const;
    juce::String getAttemptText() const { return attemptLabel.getText(); }
    juce::String getConflictText() const
    {
        return conflictLabel.isVisible() ? conflictLabel.getText() : juce::String();
    }
    double getProgress() const { return progress; }
    juce::TextButton& getCancelButton() { return cancelButton; }

    static juce::String describe (const TransferStatus& status);

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    void transferChanged (const TransferStatus& status) override;
    void midiCommunicationFailed (const juce::String&) override {}
    void presetFileFailed (const juce::String&) override {}
    void presetChanged() override;
    void buttonClicked (juce::Button*) override;
    void timerCallback() override;

    void showRunning (const TransferStatus& status);
    void showMessage (const juce::String& text);
    void showWhenNeeded (bool transferShown);

    QXEditorEngine::Ptr engine;
    const Conflicts conflicts;
    double progress = 0.0;
    juce::ProgressBar bar { progress };
    juce::String barText;
    juce::Label attemptLabel;
    juce::Label messageLabel;
    juce::Label conflictLabel;
    MappingTable mapping { engine->getModel() };
    juce::TextButton cancelButton { "Cancel" };

    JUCE_DECLARE_NON_COPYABLE (TransferStatusStrip)
};
