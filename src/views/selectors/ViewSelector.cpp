#include "views/selectors/ViewSelector.h"

// The buttons go with their selector, so no click can reach it afterwards.
ViewSelector::~ViewSelector() = default;

void ViewSelector::buttonClicked (juce::Button* button)
{
    for (const auto& [viewNumber, entryButton] : entries)
        if (entryButton == button)
            listeners.call ([viewNumber = viewNumber] (Listener& l) { l.viewSelected (viewNumber); });
}

void ViewSelector::setSelectedView (int viewNumber)
{
    for (const auto& [entryView, button] : entries)
        button->setToggleState (entryView == viewNumber, juce::dontSendNotification);
}

void ViewSelector::addSelectorButton (int viewNumber, juce::Button* button)
{
    // A picture is chosen with the mouse; holding the focus it would show nothing and let
    // Return switch the view, and a click would hand the focus on to some toggle.
    button->setWantsKeyboardFocus (false);
    button->setMouseClickGrabsKeyboardFocus (false);
    buttons.add (button);
    entries.add ({ viewNumber, button });
}

void ViewSelector::addListener (Listener* listener)
{
    listeners.add (listener);
}

juce::Button* ViewSelector::getButtonForView (int viewNumber) const
{
    for (const auto& [entryView, button] : entries)
        if (entryView == viewNumber)
            return button;

    return nullptr;
}
