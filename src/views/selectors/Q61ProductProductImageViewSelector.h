#pragma once

#include "views/selectors/ViewSelector.h"
#include "widgets/pictures/PictureComponent.h"

/** The product picture, whose sections are buttons that select their views. */
class Q61ProductProductImageViewSelector : public ViewSelector
{
public:
    Q61ProductProductImageViewSelector();

    /** Selects the section, then names the knob, pad or switch under the pointer. */
    void buttonClicked (juce::Button* button) override;

    /** The group and index of the control drawn at that point of a section's button (a grid
        of knobs, switches or pads as the picture draws them); group -1 for none. */
    static std::pair<int, int> controlAt (const juce::String& buttonName, juce::Point<int> point,
                                          juce::Rectangle<int> buttonBounds);

private:
    PictureComponent productImage;
};
