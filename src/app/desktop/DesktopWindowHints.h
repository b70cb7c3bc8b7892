#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** What the desktop is told about a window beyond its size and title: the program's icon, and
    the window a dialog belongs to (the window manager keeps it above that one). */
class DesktopWindowHints
{
public:
    /** The program's icon, the one its desktop entry installs. */
    static juce::Image programIcon();

    /** Gives the window, once on the desktop, the program's icon. */
    static void showProgramIcon (juce::Component& window);

    /** Marks the dialog, on the desktop but not yet shown, as transient for its owner. */
    static void setTransientFor (juce::Component& dialog, juce::Component& owner);

    /** The window the dialog is marked transient for; 0 without one (or without X11). */
    static juce::uint64 getTransientFor (juce::Component& dialog);
};
