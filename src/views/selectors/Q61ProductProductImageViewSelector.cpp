#include "views/selectors/Q61ProductProductImageViewSelector.h"

#include "model/controls/ControlGroup.h"
#include "views/pictures/ViewImages.h"

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

void Q61ProductProductImageViewSelector::buttonClicked (juce::Button* button)
{
    ViewSelector::buttonClicked (button);
    const auto [groupId, index] = controlAt (button->getName(), button->getMouseXYRelative(), button->getLocalBounds());

    if (groupId >= 0 && onControlClicked)
        onControlClicked (groupId, index);
}

std::pair<int, int> Q61ProductProductImageViewSelector::controlAt (const juce::String& buttonName,
                                                                   juce::Point<int> point,
                                                                   juce::Rectangle<int> buttonBounds)
{
    struct Grid
    {
        const char* buttonName;
        int groupId, columns, rows;
        bool numberedFromBottom; // the pads count from the bottom row, as the keyboard prints them
    };
    static const Grid grids[] = {
        { "Knob Selector Button", ControlGroup::knobGroup, 16, 1, false },
        { "Switches Selector Button", ControlGroup::switchGroup, 16, 3, false },
        { "Drum Pad Selector Button", ControlGroup::padGroup, 4, 4, true },
    };

    if (! buttonBounds.contains (point))
        return { -1, 0 };

    for (const auto& grid : grids)
    {
        if (buttonName != grid.buttonName)
            continue;

        const auto column = point.x * grid.columns / buttonBounds.getWidth();
        const auto row = point.y * grid.rows / buttonBounds.getHeight();
        return { grid.groupId, (grid.numberedFromBottom ? grid.rows - 1 - row : row) * grid.columns + column };
    }

    return { -1, 0 };
}
