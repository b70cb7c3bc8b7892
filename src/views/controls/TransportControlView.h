#pragma once

#include "engine/QXEditorEngine.h"

#include <juce_gui_basics/juce_gui_basics.h>

class TransportControllerComboBox;
class TransportControllerNumberBox;

/** One transport button: momentary or toggle, and the controller it sends. */
class TransportControlView : public juce::Component
{
public:
    TransportControlView (QXEditorEngine::Ptr engine, int transportIndex, const juce::String& title);
    ~TransportControlView() override;

private:
    std::unique_ptr<juce::Label> titleLabel;
    std::unique_ptr<TransportControllerComboBox> functionComboBox;
    std::unique_ptr<TransportControllerNumberBox> ccBox;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TransportControlView)
};
