#include "widgets/boxes/PresetNameBox.h"

#include "model/kinds/QXPresetName.h"
#include "widgets/boxes/NumberBox.h"
#include "widgets/look/WidgetColours.h"

PresetNameBox::PresetNameBox (QXEditorEngine::Ptr engineIn) : juce::Label ("Name", {}), engine (std::move (engineIn))
{
    setEditable (true, false, false);
    setColour (juce::Label::textColourId, WidgetColours::accent);
    setColour (juce::Label::backgroundWhenEditingColourId, juce::Colours::white);
    setColour (juce::Label::textWhenEditingColourId, WidgetColours::accent);
    setTooltip (juce::String (QXPresetName::numCharacters) + " characters");
    engine->addPresetNameListener (this);
    showName();
}

PresetNameBox::~PresetNameBox()
{
    engine->removePresetNameListener (this);
}

void PresetNameBox::commitEdit()
{
    if (isBeingEdited())
        hideEditor (true);
}

void PresetNameBox::paint (juce::Graphics& g)
{
    const auto refused = isShowingRefusal();
    g.fillAll (refused ? WidgetColours::refusal : juce::Colours::white);
    g.setColour (refused ? WidgetColours::refusalText : findColour (juce::Label::textColourId));
    g.setFont (getFont());
    g.drawText (refused ? refusedText : getText(), getLocalBounds().withTrimmedLeft (5), juce::Justification::left,
                true);
}

void PresetNameBox::paintOverChildren (juce::Graphics& g)
{
    if (hasKeyboardFocus (true))
        WidgetColours::drawFocusOutline (g, getLocalBounds());
}

void PresetNameBox::focusGained (FocusChangeType cause)
{
    juce::Label::focusGained (cause);
    repaint();
}

void PresetNameBox::focusLost (FocusChangeType cause)
{
    juce::Label::focusLost (cause);
    repaint();
}

void PresetNameBox::editorShown (juce::TextEditor* textEditor)
{
    textEditor->setMultiLine (false, false);
    textEditor->setColour (juce::TextEditor::backgroundColourId, juce::Colours::white);
    textEditor->setColour (juce::TextEditor::textColourId, WidgetColours::accent);
    textEditor->setColour (juce::TextEditor::outlineColourId, juce::Colours::transparentWhite);
    textEditor->setColour (juce::TextEditor::focusedOutlineColourId, juce::Colours::transparentWhite);
    textEditor->setText (getText(), false);
    textEditor->selectAll();
}

void PresetNameBox::editorAboutToBeHidden (juce::TextEditor* textEditor)
{
    const auto typed = textEditor->getText();
    stopTimer();
    refusedText.clear();

    // Return has already made the typed text the label's own, so the stored name is the measure.
    if (typed != engine->getPresetName() && ! engine->renamePreset (typed))
    {
        refusedText = typed;
        startTimer (NumberBox::refusalMs);
    }

    showName();
}

void PresetNameBox::parameterChanged (const juce::String&, juce::uint8)
{
    showName();
}

void PresetNameBox::timerCallback()
{
    stopTimer();
    refusedText.clear();
    repaint();
}

void PresetNameBox::showName()
{
    setText (engine->getPresetName(), juce::dontSendNotification);
    repaint();
}
