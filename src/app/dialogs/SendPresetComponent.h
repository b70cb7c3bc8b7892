#pragma once

#include "app/dialogs/PresetSlotComponent.h"

/** The send dialog's content: "Send" and "Cancel"; the slot box starts empty (or at the slot the
    preset came from), confirming without a choice sends to slot 1, and a known name of the
    chosen slot shows what the send replaces. */
class SendPresetComponent : public PresetSlotComponent
{
public:
    explicit SendPresetComponent (juce::Button::Listener* buttonListener);

    void showSlotNames (const SlotNames& names) override;

    /** Chooses the slot (1 to 24) the preset came from. */
    void startAt (int slot);

    juce::String getReplacesText() const { return replaces.getText(); }

private:
    void comboBoxChanged (juce::ComboBox* box) override;

    SlotNames known;
    juce::Label replaces { "Replaces" };
};
