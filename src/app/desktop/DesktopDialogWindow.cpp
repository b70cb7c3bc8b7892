#include "app/desktop/DesktopDialogWindow.h"

#include "app/desktop/DesktopWindowHints.h"

DesktopDialogWindow::DesktopDialogWindow (const juce::String& title, const Context& contextIn)
    : juce::ResizableWindow (title, false),
      context (contextIn)
{
}

DesktopDialogWindow::~DesktopDialogWindow()
{
    for (auto& target : keyTargets)
        if (target != nullptr)
            target->removeKeyListener (this);

    if (context.commandManager != nullptr)
        removeKeyListener (context.commandManager->getKeyMappings());
}

void DesktopDialogWindow::showOnDesktop (juce::Array<juce::Component*> focusTargets)
{
    auto* over = context.owner != nullptr ? context.owner : context.opensOver;

    if (over != nullptr && over->isShowing())
        centreAroundComponent (over, getWidth(), getHeight());
    else
        centreWithSize (getWidth(), getHeight());

    setAlwaysOnTop (false);
    addToDesktop();

    if (context.owner != nullptr)
        DesktopWindowHints::setTransientFor (*this, *context.owner);

    DesktopWindowHints::showProgramIcon (*this);

    if (context.commandManager != nullptr)
        addKeyListener (context.commandManager->getKeyMappings());

    for (auto* target : focusTargets)
    {
        target->addKeyListener (this);
        keyTargets.add (target);
    }

    setWantsKeyboardFocus (focusTargets.isEmpty());
    setVisible (true);
    toFront (true);

    if (focusTargets.isEmpty())
        grabKeyboardFocus();
    else
        focusTargets.getFirst()->grabKeyboardFocus();
}

void DesktopDialogWindow::clickButton (const juce::String& name)
{
    if (auto* content = getContentComponent())
        for (auto* child : content->getChildren())
            if (auto* button = dynamic_cast<juce::Button*> (child); button != nullptr && button->getName() == name)
                return button->triggerClick();
}

bool DesktopDialogWindow::keyPressed (const juce::KeyPress& key)
{
    if (key == juce::KeyPress (juce::KeyPress::escapeKey)
        || key == juce::KeyPress (juce::KeyPress::F4Key, juce::ModifierKeys::altModifier, 0))
    {
        dismiss();
        return true;
    }

    if (key == juce::KeyPress (juce::KeyPress::returnKey))
    {
        confirm();
        return true;
    }

    return juce::ResizableWindow::keyPressed (key);
}

bool DesktopDialogWindow::keyPressed (const juce::KeyPress& key, juce::Component*)
{
    // Seen before the focused list or slot box, which would otherwise take Return for itself.
    if (key == juce::KeyPress (juce::KeyPress::returnKey))
    {
        confirm();
        return true;
    }

    return false;
}
