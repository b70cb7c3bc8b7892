#pragma once

#include "app/alerts/SaveChangesPresenter.h"

/** An alert window with "Save" (Return), "Don't Save" and "Cancel" (Escape). */
class NativeSaveChangesPresenter : public SaveChangesPresenter
{
public:
    explicit NativeSaveChangesPresenter (juce::String titleIn) : title (std::move (titleIn)) {}

    void askToSaveChanges (const juce::String& documentName, Callback callback) override;

private:
    juce::String title;
};
