#pragma once

#include "views/selectors/ViewSelector.h"

/** The row of nine tabs under the product picture, one per view, left to right in view order. */
class TabSelectorButtons : public ViewSelector
{
public:
    TabSelectorButtons();

    /** The tab captions, which are the buttons' component names, in view order. */
    static const juce::StringArray& buttonNames();
};
