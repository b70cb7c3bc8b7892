#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** Told when the user closes a window; the owner may delete the window inside the call. */
class WindowCloseListener
{
public:
    virtual ~WindowCloseListener() = default;
    virtual void windowClosed (juce::TopLevelWindow* window) = 0;
};
