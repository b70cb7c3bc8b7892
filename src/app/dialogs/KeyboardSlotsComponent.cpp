#include "app/dialogs/KeyboardSlotsComponent.h"

#include "engine/files/PresetFile.h"
#include "widgets/look/WidgetColours.h"

KeyboardSlotsComponent::KeyboardSlotsComponent (QXEditorEngine::Ptr engineIn)
    : engine (std::move (engineIn)),
      status (engine, TransferStatusStrip::Conflicts::ignored)
{
    setLookAndFeel (&look);
    list.setRowHeight (22);
    list.setColour (juce::ListBox::backgroundColourId, juce::Colours::white);
    addAndMakeVisible (list);

    for (auto* button : { &readButton, &openButton, &sendButton, &backUpButton, &restoreButton })
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
    setSize (420, 24 * 22 + 122);
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
    auto allButtons = area.removeFromBottom (26);
    backUpButton.setBounds (allButtons.removeFromLeft (120));
    allButtons.removeFromLeft (6);
    restoreButton.setBounds (allButtons.removeFromLeft (120));
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
    else if (button == &backUpButton && onBackUpAll)
        onBackUpAll();
    else if (button == &restoreButton && onRestoreAll)
        onRestoreAll();
}

// The buttons come back once the run has ended.
AllSlotsTransfer::Ended KeyboardSlotsComponent::thenUpdate (AllSlotsTransfer::Ended ended)
{
    return [this, ended = std::move (ended)] (const juce::String& report) {
        updateButtons();
        ended (report);
    };
}

void KeyboardSlotsComponent::backUpAll (const juce::File& folder, AllSlotsTransfer::Ended ended)
{
    if (const auto prepared = PresetFile::prepareBackupFolder (folder, ModelConstants::numSlots); prepared.failed())
        return ended (prepared.getErrorMessage());

    allSlots = std::make_unique<AllSlotsTransfer> (*engine, folder, thenUpdate (std::move (ended)));
    allSlots->startBackup();
    updateButtons();
}

juce::Result KeyboardSlotsComponent::prepareRestore (const juce::File& folder, AllSlotsTransfer::Ended ended)
{
    allSlots = std::make_unique<AllSlotsTransfer> (*engine, folder, thenUpdate (std::move (ended)));
    return allSlots->checkFiles();
}

void KeyboardSlotsComponent::startRestore()
{
    allSlots->startRestore();
    updateButtons();
}

void KeyboardSlotsComponent::transferSucceeded (TransferStatus::Kind kind, juce::uint8 slot)
{
    if ((kind == TransferStatus::Kind::get || kind == TransferStatus::Kind::send) && onSlotTouched)
        onSlotTouched (slot, engine->getPresetName());
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
    const auto idle = ! engine->isTransferRunning() && (allSlots == nullptr || ! allSlots->isRunning());
    readButton.setEnabled (idle);
    backUpButton.setEnabled (idle);
    restoreButton.setEnabled (idle);
    openButton.setEnabled (chosen);
    sendButton.setEnabled (chosen);
}
