#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

/** Asks the user for a preset file, or a folder of them, without blocking. Tests put a stand-in in its place. */
class FileChooserPresenter
{
public:
    /** Called on the message thread with the chosen file, or with an empty File when the user
        cancelled. */
    using Callback = std::function<void (const juce::File& chosen)>;

    virtual ~FileChooserPresenter() = default;

    virtual void chooseFileToOpen (const juce::String& title, const juce::File& startLocation,
                                   const juce::String& pattern, Callback callback) = 0;

    /** Warns before an existing file is overwritten. */
    virtual void chooseFileToSave (const juce::String& title, const juce::File& startLocation,
                                   const juce::String& pattern, Callback callback) = 0;

    /** For a folder; one not yet there may be named. */
    virtual void chooseFolder (const juce::String& title, const juce::File& startLocation, Callback callback) = 0;
};
