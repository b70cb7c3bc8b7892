#pragma once

#include "model/ModelConstants.h"
#include "widgets/boxes/ComboBoxWithLabel.h"
#include "widgets/look/CustomLook.h"

#include <optional>
#include <vector>

/** The content both preset-slot dialogs share: "Preset Slot:" with the slots "1" to "24", a
    confirming button and "Cancel", on the accent blue. */
class PresetSlotComponent : public juce::Component, public juce::ComboBox::Listener
{
public:
    static constexpr int numSlots = ModelConstants::numSlots;

    /** The listener (the dialog) receives both buttons' clicks. */
    PresetSlotComponent (const juce::String& confirmCaption, juce::Button::Listener* buttonListener);
    ~PresetSlotComponent() override;

    void paint (juce::Graphics& g) override;

    /** The chosen slot, 1 to 24; 1 until the user picks one. */
    int getSelectedSlot() const { return selectedSlot; }

    juce::ComboBox& getSlotComboBox() { return slotBox->getComboBox(); }

    using SlotNames = std::vector<std::optional<juce::String>>;

    /** Shows each known name beside its slot number ("5 · Drums Live"). */
    virtual void showSlotNames (const SlotNames& names);

protected:
    std::unique_ptr<ComboBoxWithLabel> slotBox;
    std::unique_ptr<juce::TextButton> confirmButton;
    std::unique_ptr<juce::TextButton> cancelButton;

    void comboBoxChanged (juce::ComboBox* box) override;

private:
    CustomLook look;
    int selectedSlot = 1;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetSlotComponent)
};
