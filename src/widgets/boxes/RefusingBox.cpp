#include "widgets/boxes/RefusingBox.h"

#include "widgets/look/WidgetColours.h"

RefusingBox::RefusingBox (const juce::String& name) : juce::Label (name, {})
{
    setEditable (true, false, false);
}

void RefusingBox::commitEdit()
{
    // Discarding the editor's text keeps the label's own, which the subclass has just set from
    // the value it took or kept.
    if (isBeingEdited())
        hideEditor (true);
}

juce::String RefusingBox::fillAndChooseText (juce::Graphics& g, const juce::String& stored)
{
    const auto refused = isShowingRefusal();
    g.fillAll (refused ? WidgetColours::refusal : juce::Colours::white);
    g.setColour (refused ? WidgetColours::refusalText : findColour (juce::Label::textColourId));
    return refused ? refusedText : stored;
}

void RefusingBox::paintOverChildren (juce::Graphics& g)
{
    // Over the editor too, so the box being typed into is marked like any focused widget.
    if (hasKeyboardFocus (true))
        WidgetColours::drawFocusOutline (g, getLocalBounds());
}

void RefusingBox::focusGained (FocusChangeType cause)
{
    juce::Label::focusGained (cause);
    repaint();
}

void RefusingBox::focusLost (FocusChangeType cause)
{
    juce::Label::focusLost (cause);
    repaint();
}

void RefusingBox::showRefusal (const juce::String& typed)
{
    refusedText = typed;
    repaint();
    startTimer (refusalMs);
}

void RefusingBox::clearRefusal()
{
    stopTimer();
    refusedText.clear();
    repaint();
}

void RefusingBox::timerCallback()
{
    clearRefusal();
}
