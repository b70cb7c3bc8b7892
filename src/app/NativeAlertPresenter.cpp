#include "app/NativeAlertPresenter.h"

void NativeAlertPresenter::showMessageAsync (const juce::String& title, const juce::String& message,
                                             juce::ModalComponentManager::Callback* callback)
{
    juce::AlertWindow::showMessageBoxAsync (juce::MessageBoxIconType::NoIcon, title, message, "OK", nullptr,
                                            callback);
}
