#pragma once

#include "app/alerts/SaveChangesPresenter.h"

/** The framework's alert window with "Save", "Don't Save" and "Cancel" (Escape cancels). */
class NativeSaveChangesPresenter : public SaveChangesPresenter
{
public:
    explicit NativeSaveChangesPresenter (juce::String titleIn) : title (std::move (titleIn)) {}

    void askToSaveChanges (const juce::String& documentName, Callback callback) override;

private:
    juce::String title;
};
