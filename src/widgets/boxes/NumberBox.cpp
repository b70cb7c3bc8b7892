#include "widgets/boxes/NumberBox.h"

#include "widgets/look/WidgetColours.h"

void NumberBox::LookAndFeel::fillTextEditorBackground (juce::Graphics& g, int width, int height, juce::TextEditor&)
{
    g.setColour (juce::Colours::white);
    g.fillRect (0, 0, width, height);
}

void NumberBox::LookAndFeel::drawTextEditorOutline (juce::Graphics&, int, int, juce::TextEditor&) {}

//==============================================================================
NumberBox::NumberBox() : RefusingBox ({}) {}

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
    g.drawText (fillAndChooseText (g, valueToText (value)), 5, 0, getWidth(), getHeight(), juce::Justification::left,
                false);
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
