#pragma once

#include "engine/QXEditorEngine.h"

#include <juce_gui_basics/juce_gui_basics.h>

class KeybedControlView;
class SingleParameterControllerComboBox;
class SingleParameterControllerNumberBox;

/** The "Split Keyboard" panel: split mode and split point. It tells its owner when the split
    mode changes, whether by the user or by a preset. */
class KeybedSplitSelectorView : public juce::Component, public juce::ComboBox::Listener
{
public:
    KeybedSplitSelectorView (QXEditorEngine::Ptr engine, KeybedControlView& owner);
    ~KeybedSplitSelectorView() override;

    /** Split is on unless the box reads exactly "Off" (no valid selection counts as on). */
    void comboBoxChanged (juce::ComboBox* comboBox) override;

private:
    QXEditorEngine::Ptr engine;
    KeybedControlView& owner;
    std::unique_ptr<juce::Label> titleLabel;
    juce::OwnedArray<SingleParameterControllerNumberBox> numberBoxes;
    std::unique_ptr<SingleParameterControllerComboBox> splitModeComboBox;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (KeybedSplitSelectorView)
};
