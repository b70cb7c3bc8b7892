#include "app/dialogs/DeviceManagerWindow.h"

DeviceManagerWindow::DeviceManagerWindow (const juce::String& title, MidiManager& midiManagerIn,
                                          const Context& contextIn)
    : DesktopDialogWindow (title, contextIn),
      midiManager (midiManagerIn),
      content (new DeviceManagerComponent (this))
{
    setUsingNativeTitleBar (true);
    setResizable (false, false);

    auto& ports = midiManager.getPortLayer();

    for (const auto& name : ports.getInputNames())
        content->addInputDevice (name);

    for (const auto& name : ports.getOutputNames())
        content->addOutputDevice (name);

    content->updateLists();

    setContentOwned (content, true);

    content->selectInputDevice (midiManager.getInputDeviceName());
    content->selectOutputDevice (midiManager.getOutputDeviceName());

    showOnDesktop ({ &content->getInputList(), &content->getOutputList() });
}

DeviceManagerWindow::~DeviceManagerWindow()
{
    masterReference.clear();
    clearContentComponent();
}

void DeviceManagerWindow::buttonClicked (juce::Button* button)
{
    const auto name = button->getName();

    if (name == "Apply" || name == "OK")
        applySelection();

    if (name == "OK" || name == "Cancel")
        delete this;
}

void DeviceManagerWindow::applySelection()
{
    midiManager.setInputDevice (content->getSelectedInputDevice());
    midiManager.setOutputDevice (content->getSelectedOutputDevice());

    if (onApply)
        onApply();
}
