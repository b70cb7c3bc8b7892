#include "app/dialogs/GetPresetComponent.h"

GetPresetComponent::GetPresetComponent (juce::Button::Listener* buttonListener)
    : PresetSlotComponent ("Get", buttonListener)
{
    slotBox->setValue (0);
}
