#pragma once

#include "app/FileChooserPresenter.h"

/** The platform's open and save dialogs, one at a time. */
class NativeFileChooserPresenter : public FileChooserPresenter
{
public:
    void chooseFileToOpen (const juce::String& title, const juce::File& startLocation, const juce::String& pattern,
                           Callback callback) override;
    void chooseFileToSave (const juce::String& title, const juce::File& startLocation, const juce::String& pattern,
                           Callback callback) override;

private:
    void launch (const juce::String& title, const juce::File& startLocation, const juce::String& pattern, int flags,
                 Callback callback);

    std::unique_ptr<juce::FileChooser> chooser;
};
