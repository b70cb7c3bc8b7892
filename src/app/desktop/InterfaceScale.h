#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <optional>

/** How large the program draws: the choice of "Options" → "Interface Size", or, for
    "Automatic", the desktop's scale. JUCE finds a scale for each display itself (GNOME's window
    scale, or the screen's own DPI); the choice is set as JUCE's global scale factor on top of
    that, so the two multiplied give the size chosen. */
class InterfaceScale
{
public:
    /** The choices in percent, as the menu lists them; automatic is 0. */
    static constexpr int automatic = 0;
    static const juce::Array<int>& choices();

    /** "Automatic" or "125 %". */
    static juce::String choiceName (int percent);

    /** The desktop's scale from where desktops set it, the first set of: GDK_SCALE,
        QT_SCALE_FACTOR, then the X resource Xft.dpi over 96 (which Xfce and KDE set). None when
        none is set to a scale from 0.5 to 4. */
    static std::optional<double> desktopScale (const std::function<juce::String (const char*)>& environment,
                                               const juce::String& xResources);

    /** The scale, 1 for 100 %, the choice draws at. */
    static double scaleFor (int percent);

    /** Draws every window, those open included, at the choice from now on. */
    static void apply (int percent);

    /** Gives the window on the desktop its size at the scale it has now, which the framework
        does only when the window's own size changes, not when its scale does. */
    static void resizeNativeWindow (juce::Component& window);

private:
    static double displayScale();
    static juce::String readXResources();
};
