#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** Shows a message box with one "OK" button without blocking. The program's alerts go through
    it so that tests can see which boxes are up and dismiss them. */
class AlertPresenter
{
public:
    virtual ~AlertPresenter() = default;

    /** Shows the box and returns at once. The presenter owns the callback: when the box is
        dismissed it calls modalStateFinished and deletes it. */
    virtual void showMessageAsync (const juce::String& title, const juce::String& message,
                                   juce::ModalComponentManager::Callback* callback) = 0;
};
