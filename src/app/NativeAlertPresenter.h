#pragma once

#include "app/AlertPresenter.h"

/** The framework's alert window with one "OK" button. */
class NativeAlertPresenter : public AlertPresenter
{
public:
    void showMessageAsync (const juce::String& title, const juce::String& message,
                           juce::ModalComponentManager::Callback* callback) override;
};
