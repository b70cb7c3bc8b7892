#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** What the desktop is told about a window beyond its size and title: the program's icon, and
    the window a dialog belongs to (the window manager keeps it above that one); and where the
    window manager really put a window. */
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

    struct Placed
    {
        juce::Rectangle<int> bounds; // of the window without its frame, in desktop coordinates
        juce::BorderSize<int> frame;
    };

    /** Where the window is and the frame around it, asked of the window system itself: the
        framework learns of a move or a frame only from events that a window manager may send
        before it has placed the window, or not at all. Nothing before the frame is known. */
    static std::optional<Placed> placedBy (juce::Component& window);
};
