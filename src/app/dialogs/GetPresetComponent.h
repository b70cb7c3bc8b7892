#pragma once

#include "app/dialogs/PresetSlotComponent.h"

/** The get dialog's content: "Get" and "Cancel"; the slot box starts at "1". */
class GetPresetComponent : public PresetSlotComponent
{
public:
    explicit GetPresetComponent (juce::Button::Listener* buttonListener);
};
