#pragma once

#include "app/alerts/StopSendPresenter.h"

/** An alert window with "Keep Sending" and "Stop"; Return and Escape keep sending. */
class NativeStopSendPresenter : public StopSendPresenter
{
public:
    explicit NativeStopSendPresenter (juce::String titleIn) : title (std::move (titleIn)) {}

    void askToStopSend (int slotNumber, Callback callback) override;

private:
    juce::String title;
};
