#include "app/desktop/ScreenFit.h"

#include "app/desktop/DesktopWindowHints.h"
#include "app/desktop/InterfaceScale.h"
#include "app/editor/EditorWindow.h"

#include <cmath>

namespace
{
juce::BorderSize<int> lastFrameSeen;

// The framework's windows and the window system measure in the desktop's units multiplied by
// the global scale factor; the displays' areas, and so the fitting, are in the desktop's own.
float globalScale()
{
    return juce::Desktop::getInstance().getGlobalScaleFactor();
}

juce::Rectangle<int> onDesktop (juce::Rectangle<int> bounds)
{
    return (bounds.toFloat() / globalScale()).toNearestInt();
}

juce::BorderSize<int> onDesktop (juce::BorderSize<int> frame)
{
    // Rounded up: a frame taken a pixel too thin pushes the window that pixel off the screen.
    const auto side = [] (int pixels) { return (int) std::ceil ((float) pixels / globalScale()); };
    return { side (frame.getTop()), side (frame.getLeft()), side (frame.getBottom()), side (frame.getRight()) };
}

/** The frame of the window manager: the window's own once known, else the last one seen. */
juce::BorderSize<int> frameOf (EditorWindow& window)
{
    auto& lastSeen = lastFrameSeen;

    if (auto* peer = window.getPeer())
        if (const auto frame = peer->getFrameSizeIfPresent(); frame && frame->getTopAndBottom() > 0)
            lastSeen = onDesktop (*frame);

    return lastSeen;
}

int fitAlong (int start, int length, int areaStart, int areaEnd)
{
    return juce::jmax (areaStart, juce::jmin (start, areaEnd - length));
}
} // namespace

ScreenFit::Placement ScreenFit::fit (juce::Rectangle<int> wanted, juce::BorderSize<int> frame,
                                     juce::Rectangle<int> workArea)
{
    const auto outer = frame.addedTo (wanted);
    auto scale = 1.0f;

    if (outer.getWidth() > workArea.getWidth() || outer.getHeight() > workArea.getHeight())
    {
        // The frame keeps its size; only the window's own content shrinks.
        const auto room = frame.subtractedFrom (workArea);
        scale = juce::jmin ((float) room.getWidth() / (float) wanted.getWidth(),
                            (float) room.getHeight() / (float) wanted.getHeight());
    }

    const auto width = frame.getLeftAndRight() + juce::roundToInt ((float) wanted.getWidth() * scale);
    const auto height = frame.getTopAndBottom() + juce::roundToInt ((float) wanted.getHeight() * scale);
    const auto x = fitAlong (outer.getX(), width, workArea.getX(), workArea.getRight());
    const auto y = fitAlong (outer.getY(), height, workArea.getY(), workArea.getBottom());
    return { { x + frame.getLeft(), y + frame.getTop() }, scale };
}

void ScreenFit::keepOnScreen (EditorWindow& window)
{
    auto* peer = window.getPeer();

    if (peer == nullptr)
        return;

    if (const auto placed = DesktopWindowHints::placedBy (window))
        return keepOnScreen (window, { onDesktop (placed->bounds), onDesktop (placed->frame) });

    // Only a window off the work area moves: the window manager answers every move with the
    // place it gave, and that answer must not start another move.
    const auto bounds = onDesktop (peer->getBounds());
    const auto* display = juce::Desktop::getInstance().getDisplays().getDisplayForRect (bounds);

    if (display == nullptr || ! display->userArea.contains (frameOf (window).addedTo (bounds)))
        place (window, bounds.getPosition());
}

void ScreenFit::keepOnScreen (EditorWindow& window, const DesktopWindowHints::Placed& placed)
{
    lastFrameSeen = placed.frame;
    const auto* display = juce::Desktop::getInstance().getDisplays().getDisplayForRect (placed.bounds);

    if (display == nullptr || display->userArea.contains (placed.frame.addedTo (placed.bounds)))
        return;

    const auto placement =
        fit (placed.bounds.withSize (window.getWidth(), window.getHeight()), placed.frame, display->userArea);
    window.setFitScale (placement.scale);

    // The framework's idea of the window's place can lag behind the window manager's, so the
    // window moves by the distance it is off rather than to a place named in that idea.
    const auto shift = (placement.topLeft - placed.bounds.getPosition()).toFloat() / placement.scale;
    window.setTopLeftPosition (window.getPosition() + shift.roundToInt());
    InterfaceScale::resizeNativeWindow (window);
}

void ScreenFit::place (EditorWindow& window, juce::Point<int> wanted)
{
    const auto* display = juce::Desktop::getInstance().getDisplays().getDisplayForPoint (wanted);

    if (display == nullptr)
        return window.setTopLeftPosition (wanted);

    // Sizes are the window's own, at scale 1; positions are the desktop's.
    const auto frame = frameOf (window);
    const auto placement =
        fit ({ wanted.x, wanted.y, window.getWidth(), window.getHeight() }, frame, display->userArea);
    window.setFitScale (placement.scale);

    // A window manager takes the place asked for a framed window as its frame's (the gravity a
    // window has unless it asks for another), so the request names the frame's corner.
    const auto frameCorner = placement.topLeft - juce::Point<int> (frame.getLeft(), frame.getTop());
    window.setTopLeftPosition ((frameCorner.toFloat() / placement.scale).roundToInt());
    InterfaceScale::resizeNativeWindow (window);
}
