#include "app/dialogs/KeyboardSlotsWindow.h"

KeyboardSlotsWindow::KeyboardSlotsWindow (QXEditorEngine::Ptr engine, const Context& contextIn)
    : DesktopDialogWindow ("Keyboard Slots", contextIn),
      content (new KeyboardSlotsComponent (std::move (engine)))
{
    setUsingNativeTitleBar (true);
    setResizable (false, false);
    setContentOwned (content, true);
    showOnDesktop ({ &content->getList() });
}

KeyboardSlotsWindow::~KeyboardSlotsWindow()
{
    masterReference.clear();
    clearContentComponent();
}
