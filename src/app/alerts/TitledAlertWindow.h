#pragma once

#include "app/alerts/AlertPresenter.h"

/** A box with a title and a text ("File Error", "Preset Not Sent"); lives as the box's completion
    callback, like the MIDI error box, so a window can hold a weak reference to the one it shows
    and show no second box while it is up. */
class TitledAlertWindow : public juce::ModalComponentManager::Callback
{
public:
    /** Shows the box and returns at once; the presenter owns the object from then on. */
    static TitledAlertWindow* show (AlertPresenter& presenter, const juce::String& title, const juce::String& message);

    ~TitledAlertWindow() override;
    void modalStateFinished (int) override {}

    static const juce::String fileErrorTitle;
    static const juce::String sendRefusedTitle;

    /** "Error Opening a.qx6" and " Invalid Preset Data" on two lines. */
    static juce::String openingMessage (const juce::String& fileName);

    /** "Error Saving a.qx6" and the reason the file could not be written, on two lines. */
    static juce::String savingMessage (const juce::String& fileName, const juce::String& reason);

private:
    TitledAlertWindow() = default;

    JUCE_DECLARE_WEAK_REFERENCEABLE (TitledAlertWindow)
};
