#include "app/dialogs/SendPresetComponent.h"

SendPresetComponent::SendPresetComponent (juce::Button::Listener* buttonListener)
    : PresetSlotComponent ("Send", buttonListener)
{
    getSlotComboBox().setSelectedId (0, juce::dontSendNotification);
    replaces.setColour (juce::Label::textColourId, juce::Colours::white);
    replaces.setBounds (50, slotBox->getBottom() + 1, getWidth() - 50, 18);
    addAndMakeVisible (replaces);
}

void SendPresetComponent::showSlotNames (const SlotNames& names)
{
    known = names;
    PresetSlotComponent::showSlotNames (names);
    comboBoxChanged (&getSlotComboBox());
}

void SendPresetComponent::startAt (int slot)
{
    getSlotComboBox().setSelectedId (slot, juce::sendNotificationSync);
}

void SendPresetComponent::comboBoxChanged (juce::ComboBox* box)
{
    PresetSlotComponent::comboBoxChanged (box);
    const auto index = box->getSelectedId() - 1;
    const auto held = juce::isPositiveAndBelow (index, (int) known.size()) ? known[(size_t) index] : std::nullopt;
    replaces.setText (held.has_value() ? juce::String (juce::CharPointer_UTF8 ("Replaces \xe2\x80\x9c")) + *held
                                             + juce::String (juce::CharPointer_UTF8 ("\xe2\x80\x9d"))
                                       : juce::String(),
                      juce::dontSendNotification);
}
