#include "views/selectors/TabSelectorButtons.h"

#include "views/pictures/ViewImages.h"

TabSelectorButtons::TabSelectorButtons()
{
    const auto& names = buttonNames();

    for (int view = 0; view < names.size(); ++view)
    {
        auto* button = new PictureButton (names[view]);
        button->setPictures (ViewImages::tabButton (view, ViewImages::ButtonState::normal),
                             ViewImages::tabButton (view, ViewImages::ButtonState::over),
                             ViewImages::tabButton (view, ViewImages::ButtonState::down));
        addSelectorButton (view, button);
    }

    int x = 0;

    for (auto* button : getButtons())
    {
        button->setTopLeftPosition (x, 0);
        x += button->getWidth();
        addAndMakeVisible (button);
        button->addListener (this);
    }

    setSize (x, getButtonForView (5)->getHeight());
}

const juce::StringArray& TabSelectorButtons::buttonNames()
{
    static const juce::StringArray names { "Main View Selector Button", "Knob Selector Button",
                                           "Switches Selector Button",  "Drum Pad Selector Button",
                                           "Roll Mode Selector Button", "Transport Selector Button",
                                           "Keybed Selector Button",    "Pitch/Mod Wheel Selector Button",
                                           "Sustain Selector Button" };
    return names;
}
