#include "widgets/boxes/NumberBox.h"

#include "widgets/look/WidgetColours.h"

void NumberBox::LookAndFeel::fillTextEditorBackground (juce::Graphics& g, int width, int height, juce::TextEditor&)
{
    g.setColour (juce::Colours::white);
    g.fillRect (0, 0, width, height);
}

void NumberBox::LookAndFeel::drawTextEditorOutline (juce::Graphics&, int, int, juce::TextEditor&) {}

//==============================================================================
NumberBox::NumberBox() : juce::Label ({}, {})
{
    setEditable (true, false, false);
}

NumberBox::~NumberBox()
{
    // The editor outlives this box's members (the label base deletes it), so it must not keep
    // pointing at the look it borrowed.
    if (auto* textEditor = getCurrentTextEditor())
        textEditor->setLookAndFeel (nullptr);
}

void NumberBox::setValue (double newValue, bool notify)
{
    if (! isInRange (newValue))
    {
        setText (valueToText (value), juce::dontSendNotification);
        return;
    }

    storeAndShow (newValue);

    if (notify)
        listeners.call ([this] (Listener& l) { l.numberBoxValueChanged (this); });
}

void NumberBox::showValueOutsideRange (double heldValue)
{
    storeAndShow (heldValue);
}

void NumberBox::storeAndShow (double newValue)
{
    // A lone minus sign reads as negative zero, which must not show as "-0".
    value = newValue == 0.0 ? 0.0 : newValue;
    setText (valueToText (value), juce::dontSendNotification);
    repaint();
}

double NumberBox::parseTypedText (const juce::String& text)
{
    auto position = text.getCharPointer();
    const auto sign = *position;

    if (sign == '-' || sign == '+')
        ++position;

    double magnitude = 0.0;

    while (position.isDigit())
        magnitude = magnitude * 10.0 + (position.getAndAdvance() - '0');

    return sign == '-' ? -magnitude : magnitude;
}

juce::String NumberBox::valueToText (double v)
{
    return juce::String (v == 0.0 ? 0.0 : v);
}

void NumberBox::paint (juce::Graphics& g)
{
    const auto refused = isShowingRefusal();
    g.fillAll (refused ? WidgetColours::refusal : juce::Colours::white);
    g.setColour (refused ? WidgetColours::refusalText : findColour (juce::Label::textColourId));
    g.drawText (refused ? refusedText : valueToText (value), 5, 0, getWidth(), getHeight(), juce::Justification::left,
                false);
}

void NumberBox::paintOverChildren (juce::Graphics& g)
{
    // Over the editor too, so the box being typed into is marked like any focused widget.
    if (hasKeyboardFocus (true))
        WidgetColours::drawFocusOutline (g, getLocalBounds());
}

void NumberBox::focusGained (FocusChangeType cause)
{
    juce::Label::focusGained (cause);
    repaint();
}

void NumberBox::focusLost (FocusChangeType cause)
{
    juce::Label::focusLost (cause);
    repaint();
}

void NumberBox::commitEdit()
{
    // Discarding the editor's text keeps the label's own, which editorAboutToBeHidden has just
    // set from the value it took or kept.
    if (isBeingEdited())
        hideEditor (true);
}

void NumberBox::showRefusal (const juce::String& typed)
{
    refusedText = typed;
    repaint();
    startTimer (refusalMs);
}

void NumberBox::timerCallback()
{
    stopTimer();
    refusedText.clear();
    repaint();
}

void NumberBox::editorShown (juce::TextEditor* textEditor)
{
    textEditor->setInputRestrictions (0, "0123456789-+");
    textEditor->setMultiLine (false, true);
    textEditor->setScrollbarsShown (false);
    textEditor->setCaretVisible (true);
    textEditor->moveCaretToTop (true);
    if (editorLook == nullptr)
        editorLook = std::make_unique<LookAndFeel>();

    textEditor->setLookAndFeel (editorLook.get());
    textEditor->setText (valueToText (value), false);
    textEditor->selectAll();
}

void NumberBox::editorAboutToBeHidden (juce::TextEditor* textEditor)
{
    const auto typed = textEditor->getText();

    if (typed.isEmpty())
    {
        setText (valueToText (value), juce::dontSendNotification);
        return;
    }

    const auto typedValue = parseTypedText (typed);

    if (! isInRange (typedValue) && typedValue != value)
        showRefusal (typed);

    setValue (typedValue, true);
}

juce::String NumberBox::getTooltip()
{
    const auto range = juce::Label::getTooltip();
    const auto name = valueNamer ? valueNamer (juce::roundToInt (value)) : juce::String();
    return name.isEmpty() ? range : range + " (" + name + ")";
}
