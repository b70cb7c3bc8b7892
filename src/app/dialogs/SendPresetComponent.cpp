#include "app/dialogs/SendPresetComponent.h"

SendPresetComponent::SendPresetComponent (juce::Button::Listener* buttonListener)
    : PresetSlotComponent ("Send", buttonListener)
{
    getSlotComboBox().setSelectedId (0, juce::dontSendNotification);
}
