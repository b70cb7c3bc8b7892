#include "views/Q61ProductProductImageViewSelector.h"

#include "views/ViewImages.h"

namespace
{
PictureButton* makeButton (const juce::String& name, int viewNumber)
{
    auto* button = new PictureButton (name);
    button->setPictures (ViewImages::productButton (viewNumber, ViewImages::ButtonState::normal),
                         ViewImages::productButton (viewNumber, ViewImages::ButtonState::over),
                         ViewImages::productButton (viewNumber, ViewImages::ButtonState::down));
    return button;
}
} // namespace

Q61ProductProductImageViewSelector::Q61ProductProductImageViewSelector()
{
    const auto picture = ViewImages::productPicture();
    productImage.setPicture (picture);
    addAndMakeVisible (productImage);
    productImage.toBack();

    auto* pads = makeButton ("Drum Pad Selector Button", 3);
    auto* knobs = makeButton ("Knob Selector Button", 1);
    auto* keybed = makeButton ("Keybed Selector Button", 6);
    auto* wheels = makeButton ("Wheel Selector Button", 7);
    auto* transport = makeButton ("Transport Selector Button", 5);
    auto* rollMode = makeButton ("Roll Mode Selector Button", 4);
    auto* switches = makeButton ("Switches Selector Button", 2);

    pads->setTopLeftPosition (10, 120);
    knobs->setTopLeftPosition (384, 12);
    keybed->setTopLeftPosition (170, 120);
    wheels->setTopLeftPosition (30, 10);
    transport->setTopLeftPosition (200, 56);
    rollMode->setTopLeftPosition (transport->getX() + 78, 56);
    switches->setTopLeftPosition (knobs->getX() - 5, 35);

    addSelectorButton (3, pads);
    addSelectorButton (1, knobs);
    addSelectorButton (2, switches);
    addSelectorButton (6, keybed);
    addSelectorButton (4, rollMode);
    addSelectorButton (7, wheels);
    addSelectorButton (5, transport);

    for (auto* button : getButtons())
    {
        addAndMakeVisible (button);
        button->addListener (this);
    }

    // It lies inside the transport button's area, so it must take the clicks there.
    rollMode->toFront (false);

    setSize (picture.getWidth(), picture.getHeight());
}
