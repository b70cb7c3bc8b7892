#include "app/alerts/NativeAlertPresenter.h"

#include "app/alerts/MessageAlertWindow.h"
#include "app/desktop/DesktopWindowHints.h"

void NativeAlertPresenter::showMessageAsync (const juce::String& title, const juce::String& message,
                                             juce::ModalComponentManager::Callback* callback)
{
    auto* alert = new MessageAlertWindow (title, message);
    alert->enterModalState (true, callback, true);
    DesktopWindowHints::showProgramIcon (*alert);

    if (commandManager != nullptr)
        alert->addKeyListener (commandManager->getKeyMappings());
}
