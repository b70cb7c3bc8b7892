#include "widgets/NumberBox.h"

void NumberBox::LookAndFeel::fillTextEditorBackground (juce::Graphics& g, int width, int height,
                                                       juce::TextEditor&)
{
    g.setColour (juce::Colours::white);
    g.fillRect (0, 0, width, height);
}

void NumberBox::LookAndFeel::drawTextEditorOutline (juce::Graphics&, int, int, juce::TextEditor&)
{
}

//==============================================================================
NumberBox::NumberBox() : juce::Label ({}, {})
{
    setEditable (true, false, false);
}

NumberBox::~NumberBox()
{
    // The editor outlives this box's members (the label base deletes it), so it must not keep
    // pointing at the look it borrowed.
    if (auto* editor = getCurrentTextEditor())
        editor->setLookAndFeel (nullptr);
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
    g.fillAll (juce::Colours::white);
    g.setColour (findColour (juce::Label::textColourId));
    g.drawText (valueToText (value), 5, 0, getWidth(), getHeight(), juce::Justification::left, false);
}

void NumberBox::editorShown (juce::TextEditor* editor)
{
    editor->setInputRestrictions (0, "0123456789-+");
    editor->setMultiLine (false, true);
    editor->setScrollbarsShown (false);
    editor->setCaretVisible (true);
    editor->moveCaretToTop (true);
    if (editorLook == nullptr)
        editorLook = std::make_unique<LookAndFeel>();

    editor->setLookAndFeel (editorLook.get());
    editor->setText (valueToText (value), false);
    editor->selectAll();
}

void NumberBox::editorAboutToBeHidden (juce::TextEditor* editor)
{
    const auto typed = editor->getText();

    if (typed.isEmpty())
    {
        setText (valueToText (value), juce::dontSendNotification);
        return;
    }

    setValue (parseTypedText (typed), true);
}
