#pragma once

#include "app/dialogs/PresetSlotComponent.h"

/** The send dialog's content: "Send" and "Cancel"; the slot box starts empty, and confirming
    without a choice sends to slot 1. */
class SendPresetComponent : public PresetSlotComponent
{
public:
    explicit SendPresetComponent (juce::Button::Listener* buttonListener);
};
