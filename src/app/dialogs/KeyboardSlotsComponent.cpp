#include "app/dialogs/KeyboardSlotsComponent.h"

#include "widgets/look/WidgetColours.h"

KeyboardSlotsComponent::KeyboardSlotsComponent (QXEditorEngine::Ptr engineIn)
    : engine (std::move (engineIn)),
      status (engine, TransferStatusStrip::Conflicts::ignored)
{
    setLookAndFeel (&look);
    list.setRowHeight (22);
    list.setColour (juce::ListBox::backgroundColourId, juce::Colours::white);
    addAndMakeVisible (list);

    for (auto* button : { &readButton, &openButton, &sendButton })
    {
        button->setName (button->getButtonText());
        button->addListener (this);
        addAndMakeVisible (button);
    }

    readTime.setColour (juce::Label::textColourId, juce::Colours::white);
    addAndMakeVisible (readTime);
    addChildComponent (status);
    status.addComponentListener (this);
    engine->addListener (this);
    updateButtons();
    setSize (420, 24 * 22 + 90);
}

KeyboardSlotsComponent::~KeyboardSlotsComponent()
{
    status.removeComponentListener (this);
    engine->removeListener (this);
    engine->cancelTransfers();
    setLookAndFeel (nullptr);
}

juce::String KeyboardSlotsComponent::knownName (int slot) const
{
    const auto& names = engine->getSlotNames();
    return juce::isPositiveAndBelow (slot, (int) names.size()) ? names[(size_t) slot].value_or (juce::String())
                                                               : juce::String();
}

juce::String KeyboardSlotsComponent::rowText (int row) const
{
    const auto& names = engine->getSlotNames();
    const auto known = juce::isPositiveAndBelow (row, (int) names.size()) && names[(size_t) row].has_value();
    return juce::String (row + 1).paddedLeft ('0', 2) + "  "
           + (known ? *names[(size_t) row] : juce::String (juce::CharPointer_UTF8 ("\xe2\x80\x94")));
}

void KeyboardSlotsComponent::showKnownNames (std::vector<std::optional<juce::String>> names, juce::Time readAt)
{
    if (names.empty())
        return;

    engine->setSlotNames (std::move (names));
    readTime.setText ("Read " + readAt.formatted ("%d %b %Y %H:%M"), juce::dontSendNotification);
    list.updateContent();
    list.repaint();
}

void KeyboardSlotsComponent::componentVisibilityChanged (juce::Component&)
{
    // Both sit in the bottom row; the strip's news wins while it lasts.
    readTime.setVisible (! status.isVisible());
}

void KeyboardSlotsComponent::resized()
{
    auto area = getLocalBounds().reduced (8);
    status.setBounds (area.removeFromBottom (32));
    readTime.setBounds (status.getBounds());
    area.removeFromBottom (6);
    auto buttons = area.removeFromBottom (26);
    readButton.setBounds (buttons.removeFromLeft (100));
    buttons.removeFromLeft (6);
    openButton.setBounds (buttons.removeFromLeft (70));
    buttons.removeFromLeft (6);
    sendButton.setBounds (buttons);
    area.removeFromBottom (6);
    list.setBounds (area);
}

int KeyboardSlotsComponent::getNumRows()
{
    return ModelConstants::numSlots;
}

void KeyboardSlotsComponent::paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool selected)
{
    if (selected)
        g.fillAll (WidgetColours::accent);

    g.setColour (selected ? juce::Colours::white : WidgetColours::accent);
    g.setFont (juce::Font (juce::Font::getDefaultMonospacedFontName(), 15.0f, juce::Font::plain));
    g.drawText (rowText (row), 8, 0, width - 16, height, juce::Justification::centredLeft, true);
}

void KeyboardSlotsComponent::buttonClicked (juce::Button* button)
{
    const auto slot = static_cast<juce::uint8> (juce::jmax (0, list.getSelectedRow()));

    if (button == &readButton)
        engine->startNameRead();
    else if (button == &openButton && onOpen)
        onOpen (slot);
    else if (button == &sendButton && onSendHere)
        onSendHere (slot);
}

void KeyboardSlotsComponent::transferChanged (const TransferStatus& transfer)
{
    if (transfer.isFinished() && transfer.kind == TransferStatus::Kind::names)
    {
        readTime.setText ("Read " + juce::Time::getCurrentTime().formatted ("%d %b %Y %H:%M"),
                          juce::dontSendNotification);
        list.updateContent();

        if (onNamesRead)
            onNamesRead();
    }

    list.repaint();
    updateButtons();
}

void KeyboardSlotsComponent::updateButtons()
{
    const auto chosen = list.getSelectedRow() >= 0;
    readButton.setEnabled (! engine->isTransferRunning());
    openButton.setEnabled (chosen);
    sendButton.setEnabled (chosen);
}
