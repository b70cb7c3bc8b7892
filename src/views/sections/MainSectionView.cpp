#include "views/sections/MainSectionView.h"

#include "views/pictures/ViewImages.h"

MainSectionView::MainSectionView (QXEditorEngine::Ptr engineIn) : engine (std::move (engineIn)), nameBox (engine)
{
    nameCaption.setFont (juce::Font (16.0f));
    nameCaption.setColour (juce::Label::textColourId, juce::Colours::white);
    addAndMakeVisible (nameCaption);
    addAndMakeVisible (nameBox);

    const auto& names = buttonNames();

    for (int i = 0; i < names.size(); ++i)
    {
        auto* button = buttons.add (new PictureButton (names[i]));
        const auto normal = ViewImages::mainButton (i, false);
        button->setPictures (normal, ViewImages::mainButton (i, true), normal);

        // Their commands are in the menu; as pictures they could not show the focus.
        button->setWantsKeyboardFocus (false);
        button->setMouseClickGrabsKeyboardFocus (false);
        addAndMakeVisible (button);
    }

    setSize (1200, 200);
}

MainSectionView::~MainSectionView() = default;

void MainSectionView::resized()
{
    constexpr int left = 5;
    constexpr int gap = 10;
    int y = 5;

    for (auto* button : buttons)
    {
        button->setTopLeftPosition (left, y);
        y = button->getBottom() + gap;
    }

    const auto nameX = buttons.getFirst()->getRight() + 4 * gap;
    nameCaption.setBounds (nameX, 5, 60, 18);
    nameBox.setBounds (nameCaption.getRight(), 5, 180, 18);
}

void MainSectionView::addButtonListener (juce::Button::Listener* listener)
{
    for (auto* button : buttons)
        button->addListener (listener);
}

const juce::StringArray& MainSectionView::buttonNames()
{
    static const juce::StringArray names { "Get From Hardware", "Send To Hardware", "Save To File", "Load From File" };
    return names;
}
