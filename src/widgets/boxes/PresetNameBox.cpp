#include "widgets/boxes/PresetNameBox.h"

#include "model/kinds/QXPresetName.h"
#include "widgets/look/WidgetColours.h"

PresetNameBox::PresetNameBox (QXEditorEngine::Ptr engineIn) : RefusingBox ("Name"), engine (std::move (engineIn))
{
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

void PresetNameBox::paint (juce::Graphics& g)
{
    const auto text = fillAndChooseText (g, getText());
    g.setFont (getFont());
    g.drawText (text, getLocalBounds().withTrimmedLeft (5), juce::Justification::left, true);
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
    clearRefusal();

    // Return has already made the typed text the label's own, so the stored name is the measure.
    if (typed != engine->getPresetName() && ! engine->renamePreset (typed))
        showRefusal (typed);

    showName();
}

void PresetNameBox::parameterChanged (const juce::String&, juce::uint8)
{
    showName();
}

void PresetNameBox::showName()
{
    setText (engine->getPresetName(), juce::dontSendNotification);
    repaint();
}
