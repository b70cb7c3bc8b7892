#pragma once

#include <juce_graphics/juce_graphics.h>

/** The colours every widget and dialog of the program is drawn with. */
namespace WidgetColours
{
const juce::Colour accent { 0xFF117FC6 };
const juce::Colour pressed { 0xFFD3D3D3 };
const juce::Colour idleButton { 0xFFF5F5F5 };
} // namespace WidgetColours
