#include "views/ViewSelector.h"

ViewSelector::~ViewSelector()
{
    for (auto* button : buttons)
        button->removeListener (this);
}

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
