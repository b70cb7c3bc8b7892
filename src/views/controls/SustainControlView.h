#pragma once

#include "engine/QXEditorEngine.h"

#include <juce_gui_basics/juce_gui_basics.h>

class SingleParameterControllerNumberBox;

/** What the sustain pedal sends: channel, controller, and the pressed and released values. */
class SustainControlView : public juce::Component
{
public:
    explicit SustainControlView (QXEditorEngine::Ptr engine);
    ~SustainControlView() override;

private:
    QXEditorEngine::Ptr engine;
    std::unique_ptr<juce::Label> titleLabel;
    juce::OwnedArray<SingleParameterControllerNumberBox> numberBoxes;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SustainControlView)
};
