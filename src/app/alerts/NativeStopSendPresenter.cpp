#include "app/alerts/NativeStopSendPresenter.h"

#include "app/alerts/PromptWindow.h"

void NativeStopSendPresenter::askToStopSend (int slotNumber, Callback callback)
{
    // Only "Stop" stops: a box dismissed any other way keeps the slot from being left half written.
    constexpr int stopResult = 2;
    auto* box = new PromptWindow (title, question (slotNumber), juce::MessageBoxIconType::QuestionIcon);
    box->addButton ("Keep Sending", 1, juce::KeyPress (juce::KeyPress::returnKey),
                    juce::KeyPress (juce::KeyPress::escapeKey));
    box->addButton ("Stop", stopResult);
    box->enterModalState (
        true, juce::ModalCallbackFunction::create ([callback] (int result) { callback (result == stopResult); }), true);
}
