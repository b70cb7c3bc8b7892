#include "views/ViewLayout.h"

std::unique_ptr<juce::Label> ViewLayout::createTitle (const juce::String& title, int x, int height, float fontHeight)
{
    auto label = std::make_unique<juce::Label> (title);
    label->setText (title, juce::dontSendNotification);
    label->setBounds (x, 0, 300, height);
    label->setColour (juce::Label::textColourId, juce::Colours::white);
    label->setFont (juce::Font (fontHeight, juce::Font::plain));
    return label;
}

int ViewLayout::stackRows (juce::Component& parent, std::initializer_list<juce::Component*> rows, int firstY,
                           int rowHeight)
{
    int y = firstY;

    for (auto* row : rows)
    {
        row->setBounds (0, y, rowWidth, rowHeight);
        parent.addAndMakeVisible (row);
        y = row->getBottom() + rowGap;
    }

    return y - rowGap;
}
