#pragma once

#include "app/AlertPresenter.h"

/** The "File Error" box with a given text; lives as the box's completion callback, like the MIDI
    error box. */
class FileErrorAlertWindow : public juce::ModalComponentManager::Callback
{
public:
    /** Shows the box and returns at once; the presenter owns the object from then on. */
    static FileErrorAlertWindow* show (AlertPresenter& presenter, const juce::String& message);

    ~FileErrorAlertWindow() override;
    void modalStateFinished (int) override {}

    static const juce::String title;

    /** "Error Opening a.qx6" and " Invalid Preset Data" on two lines. */
    static juce::String openingMessage (const juce::String& fileName);

    /** "Error Saving a.qx6" and " Could not write the file" on two lines. */
    static juce::String savingMessage (const juce::String& fileName);

private:
    FileErrorAlertWindow() = default;

    JUCE_DECLARE_WEAK_REFERENCEABLE (FileErrorAlertWindow)
};
