#pragma once

#include <juce_graphics/juce_graphics.h>

/** The colours every widget and dialog of the program is drawn with. */
namespace WidgetColours
{
const juce::Colour accent { 0xFF117FC6 };
const juce::Colour pressed { 0xFFD3D3D3 };
const juce::Colour idleButton { 0xFFF5F5F5 };

/** A typed value that was refused, shown briefly before the stored value comes back. */
const juce::Colour refusal { 0xFFFFD6D6 };
const juce::Colour refusalText { 0xFFB00020 };

/** Marks the widget holding the keyboard focus: a 2-pixel accent ring just inside its white
    edge, so the widget keeps its size against the blue panel. */
inline void drawFocusOutline (juce::Graphics& g, juce::Rectangle<int> bounds)
{
    g.setColour (accent);
    g.drawRect (bounds.reduced (1), 2);
}
} // namespace WidgetColours
