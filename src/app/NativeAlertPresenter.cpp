#include "app/NativeAlertPresenter.h"

#include "app/DesktopWindowHints.h"
#include "app/MessageAlertWindow.h"

void NativeAlertPresenter::showMessageAsync (const juce::String& title, const juce::String& message,
                                             juce::ModalComponentManager::Callback* callback)
{
    auto* alert = new MessageAlertWindow (title, message);
    alert->enterModalState (true, callback, true);
    DesktopWindowHints::showProgramIcon (*alert);

    if (commandManager != nullptr)
        alert->addKeyListener (commandManager->getKeyMappings());
}
