#pragma once

#include "widgets/controllers/UIParameterInterface.h"

/** A caption on the left half and a drop-down list on the right half; item ids count from 1. */
class ComboBoxWithLabel : public UIParameterInterface
{
public:
    ComboBoxWithLabel (const juce::StringArray& items, const juce::String& caption, juce::ComboBox::Listener* listener);

    /** Selects the item with id shownValue + 1, notifying asynchronously; a value with no item
        leaves nothing selected. */
    void setValue (int shownValue) override;

    juce::ComboBox& getComboBox() { return *comboBox; }
    juce::Label& getCaption() { return *caption; }

private:
    std::unique_ptr<juce::ComboBox> comboBox;
    std::unique_ptr<juce::Label> caption;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ComboBoxWithLabel)
};
