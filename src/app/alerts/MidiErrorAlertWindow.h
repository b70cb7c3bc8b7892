#pragma once

#include "app/alerts/AlertPresenter.h"

/** The "MIDI Error" box. Lives as the box's completion callback, so its owner's weak reference
    reads empty once the box has been dismissed. */
class MidiErrorAlertWindow : public juce::ModalComponentManager::Callback
{
public:
    /** Shows the box and returns at once; the presenter owns the object from then on. */
    static MidiErrorAlertWindow* show (AlertPresenter& presenter);

    ~MidiErrorAlertWindow() override;
    void modalStateFinished (int) override {}

    static const juce::String title;
    static const juce::String message;

private:
    MidiErrorAlertWindow() = default;

    JUCE_DECLARE_WEAK_REFERENCEABLE (MidiErrorAlertWindow)
};
