#include "app/alerts/NativeSaveChangesPresenter.h"

void NativeSaveChangesPresenter::askToSaveChanges (const juce::String& documentName, Callback callback)
{
    // The framework numbers the buttons 1, 2 and 0 for cancel.
    juce::AlertWindow::showYesNoCancelBox (
        juce::MessageBoxIconType::QuestionIcon, title, question (documentName), "Save", "Don't Save", "Cancel", nullptr,
        juce::ModalCallbackFunction::create ([callback] (int result) {
            callback (result == 1 ? Answer::save : result == 2 ? Answer::dontSave : Answer::cancel);
        }));
}
