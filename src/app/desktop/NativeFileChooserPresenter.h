#pragma once

#include "app/desktop/FileChooserPresenter.h"

/** The platform's open and save dialogs, one at a time. The framework's own dialog, used where
    the desktop offers none, opens with the focus in its name field (save) or its file list
    (open), so typing goes there at once. */
class NativeFileChooserPresenter : public FileChooserPresenter
{
public:
    NativeFileChooserPresenter();
    ~NativeFileChooserPresenter() override;

    void chooseFileToOpen (const juce::String& title, const juce::File& startLocation, const juce::String& pattern,
                           Callback callback) override;
    void chooseFileToSave (const juce::String& title, const juce::File& startLocation, const juce::String& pattern,
                           Callback callback) override;
    void chooseFolder (const juce::String& title, const juce::File& startLocation, Callback callback) override;

    /** Where a chooser starts: the given place, or without one the user's documents folder, or
        the home folder where that does not exist (a missing folder would be offered as the name
        of the file to save). */
    static juce::File startFor (const juce::File& startLocation);

private:
    class FocusOnShow;

    void launch (const juce::String& title, const juce::File& startLocation, const juce::String& pattern, int flags,
                 Callback callback);

    std::unique_ptr<FocusOnShow> focus; // before the chooser, so it goes after it
    std::unique_ptr<juce::FileChooser> chooser;
};
