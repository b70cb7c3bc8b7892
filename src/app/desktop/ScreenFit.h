#pragma once

#include "app/desktop/DesktopWindowHints.h"

class EditorWindow;

/** Keeps a window wholly inside the display's work area: where its place does not fit it moves
    up (or left), and where even the whole work area is too small its content is scaled down as
    a whole, the aspect kept. A window that fits keeps its place and size. */
class ScreenFit
{
public:
    struct Placement
    {
        juce::Point<int> topLeft; // of the window without its frame
        float scale = 1.0f;

        bool operator== (const Placement& other) const { return topLeft == other.topLeft && scale == other.scale; }
    };

    /** The window's place and scale for its wanted bounds (without the frame the window manager
        adds around it) on the work area. */
    static Placement fit (juce::Rectangle<int> wanted, juce::BorderSize<int> frame, juce::Rectangle<int> workArea);

    /** Places the editor window at the wanted top-left or where it fits, on the display there. */
    static void place (EditorWindow& window, juce::Point<int> wanted);

    /** Places the window where it fits, from where it is now; one that fits stays. Nothing
        before it is on the desktop. */
    static void keepOnScreen (EditorWindow& window);

private:
    static void keepOnScreen (EditorWindow& window, const DesktopWindowHints::Placed& placed);
};
