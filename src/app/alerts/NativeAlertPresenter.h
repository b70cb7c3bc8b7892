#pragma once

#include "app/alerts/AlertPresenter.h"

/** The program's alert window with one "OK" button, sized to its message, carrying the program's
    icon and its command keys (Ctrl+Q). */
class NativeAlertPresenter : public AlertPresenter
{
public:
    void showMessageAsync (const juce::String& title, const juce::String& message,
                           juce::ModalComponentManager::Callback* callback) override;

    /** The commands whose keys work while a box is up; none by default. */
    void setCommandManager (juce::ApplicationCommandManager* manager) { commandManager = manager; }

private:
    juce::ApplicationCommandManager* commandManager = nullptr;
};
