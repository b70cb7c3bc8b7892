#pragma once

#include "engine/QXEditorEngine.h"

#include <juce_gui_basics/juce_gui_basics.h>

class SingleParameterControllerComboBox;
class SingleParameterControllerNumberBox;

/** The pads' roll (note repeat): function, time division, gate and swing. */
class RollModeControlView : public juce::Component
{
public:
    explicit RollModeControlView (QXEditorEngine::Ptr engine);
    ~RollModeControlView() override;

private:
    QXEditorEngine::Ptr engine;
    std::unique_ptr<juce::Label> titleLabel;
    juce::OwnedArray<SingleParameterControllerNumberBox> numberBoxes;
    std::unique_ptr<SingleParameterControllerComboBox> timeDivComboBox;
    std::unique_ptr<SingleParameterControllerComboBox> functionComboBox;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (RollModeControlView)
};
