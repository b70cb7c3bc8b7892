#include "app/dialogs/AboutWindow.h"

#include "app/dialogs/AboutComponent.h"

AboutWindow::AboutWindow (const ScaledPicture& image, const juce::String& title, const Context& contextIn)
    : DesktopDialogWindow (title, contextIn)
{
    setUsingNativeTitleBar (false);
    setResizable (false, false);
    setContentOwned (new AboutComponent (image), true);
    showOnDesktop ({});
}

void AboutWindow::close()
{
    // After the key or close event has finished with the window.
    juce::MessageManager::callAsync (
        [window = juce::Component::SafePointer<AboutWindow> (this)] { delete window.getComponent(); });
}

AboutWindow::~AboutWindow()
{
    masterReference.clear();
    clearContentComponent();
}
