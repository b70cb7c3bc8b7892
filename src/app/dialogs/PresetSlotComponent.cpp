#include "app/dialogs/PresetSlotComponent.h"

namespace
{
const juce::Colour accent (0xFF117FC6);

juce::StringArray slotNames()
{
    juce::StringArray names;

    for (int slot = 1; slot <= PresetSlotComponent::numSlots; ++slot)
        names.add (juce::String (slot));

    return names;
}

std::unique_ptr<juce::TextButton> makeButton (const juce::String& caption, juce::Button::Listener* listener)
{
    auto button = std::make_unique<juce::TextButton> (caption);
    button->setButtonText (caption);
    button->addListener (listener);
    return button;
}
} // namespace

PresetSlotComponent::PresetSlotComponent (const juce::String& confirmCaption, juce::Button::Listener* buttonListener)
    : slotBox (std::make_unique<ComboBoxWithLabel> (slotNames(), "Preset Slot:", this)),
      confirmButton (makeButton (confirmCaption, buttonListener)),
      cancelButton (makeButton ("Cancel", buttonListener))
{
    addAndMakeVisible (*slotBox);
    setSize (300, 100);
    slotBox->setBounds (50, 25, getWidth(), 20);

    confirmButton->setBounds (50, slotBox->getBottom() + 20, 75, 25);
    cancelButton->setBounds (confirmButton->getRight() + 50, confirmButton->getY(), 75, 25);
    addAndMakeVisible (*confirmButton);
    addAndMakeVisible (*cancelButton);

    setLookAndFeel (&look);
}

PresetSlotComponent::~PresetSlotComponent()
{
    setLookAndFeel (nullptr);
}

void PresetSlotComponent::paint (juce::Graphics& g)
{
    g.fillAll (accent);
}

void PresetSlotComponent::showSlotNames (const SlotNames& names)
{
    for (int slot = 1; slot <= juce::jmin (numSlots, (int) names.size()); ++slot)
        if (const auto& name = names[(size_t) slot - 1]; name.has_value())
            getSlotComboBox().changeItemText (slot, juce::String (slot)
                                                        + juce::String (juce::CharPointer_UTF8 (" \xc2\xb7 ")) + *name);
}

void PresetSlotComponent::comboBoxChanged (juce::ComboBox* box)
{
    // A cleared box reports id 0, which is no slot.
    const auto id = box->getSelectedId();

    if (id >= 1 && id <= numSlots)
        selectedSlot = id;
}
