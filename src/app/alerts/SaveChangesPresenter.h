#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

/** Asks whether to save a preset's edits before its window goes, without blocking. Tests put
    a stand-in in its place to answer. */
class SaveChangesPresenter
{
public:
    enum class Answer
    {
        save,
        dontSave,
        cancel
    };

    using Callback = std::function<void (Answer)>;

    virtual ~SaveChangesPresenter() = default;

    /** Shows question (documentName) with the buttons "Save", "Don't Save" and "Cancel" and
        returns at once; the callback hears the answer on the message thread. */
    virtual void askToSaveChanges (const juce::String& documentName, Callback callback) = 0;

    static juce::String question (const juce::String& documentName) { return "Save changes to " + documentName + "?"; }
};
