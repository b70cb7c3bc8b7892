#include "app/alerts/NativeSaveChangesPresenter.h"

#include "app/alerts/PromptWindow.h"

void NativeSaveChangesPresenter::askToSaveChanges (const juce::String& documentName, Callback callback)
{
    enum Result
    {
        cancel,
        save,
        dontSave
    };

    auto* box = new PromptWindow (title, question (documentName), juce::MessageBoxIconType::QuestionIcon);
    box->addButton ("Save", save, juce::KeyPress (juce::KeyPress::returnKey));
    box->addButton ("Don't Save", dontSave);
    box->addButton ("Cancel", cancel, juce::KeyPress (juce::KeyPress::escapeKey));
    box->enterModalState (
        true, juce::ModalCallbackFunction::create ([callback] (int result) {
            callback (result == save ? Answer::save : result == dontSave ? Answer::dontSave : Answer::cancel);
        }),
        true);
}
