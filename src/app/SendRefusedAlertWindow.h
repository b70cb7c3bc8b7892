#pragma once

#include "app/AlertPresenter.h"

/** The "Preset Not Sent" box: the preset holds something MIDI cannot carry, so nothing was
    sent. Lives as the box's completion callback, like the MIDI error box. */
class SendRefusedAlertWindow : public juce::ModalComponentManager::Callback
{
public:
    /** Shows the box with the reason and returns at once; the presenter owns the object. */
    static SendRefusedAlertWindow* show (AlertPresenter& presenter, const juce::String& reason);

    ~SendRefusedAlertWindow() override;
    void modalStateFinished (int) override {}

    static const juce::String title;

private:
    SendRefusedAlertWindow() = default;

    JUCE_DECLARE_WEAK_REFERENCEABLE (SendRefusedAlertWindow)
};
