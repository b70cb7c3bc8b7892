#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The title and row placement that every section view shares. */
class ViewLayout
{
public:
    static constexpr int rowWidth = 200;
    static constexpr int rowGap = 5;

    /** A white title label whose component name and text are the title. */
    static std::unique_ptr<juce::Label> createTitle (const juce::String& title, int x, int height, float fontHeight);

    /** Adds the rows to the parent, visible, stacked at x 0 each rowGap below the previous one;
        returns the last row's bottom. */
    static int stackRows (juce::Component& parent, std::initializer_list<juce::Component*> rows, int firstY,
                          int rowHeight);
};
