#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

/** Asks, when a window closes or the program quits during a send, whether to stop the send and
    leave the slot partly written, without blocking. Tests put a stand-in in its place to answer. */
class StopSendPresenter
{
public:
    /** Hears true for "Stop", false for "Keep Sending" (the default). */
    using Callback = std::function<void (bool stop)>;

    virtual ~StopSendPresenter() = default;

    /** Shows question (slotNumber) with "Keep Sending" and "Stop" and returns at once; the
        callback hears the answer on the message thread. */
    virtual void askToStopSend (int slotNumber, Callback callback) = 0;

    static juce::String question (int slotNumber)
    {
        return "Slot " + juce::String (slotNumber) + " is being written. Stop now and leave it partly written?";
    }
};
