#include "views/PresetDisplay.h"

namespace
{
const juce::Colour screen { 0xFF0B2D45 };
const juce::Colour glyphs { 0xFF6CC7FF };
} // namespace

PresetDisplay::PresetDisplay (QXEditorEngine::Ptr engineIn) : engine (std::move (engineIn))
{
    setName ("Preset Display");
    setInterceptsMouseClicks (false, false);
    setSize (areaInPicture().getWidth(), areaInPicture().getHeight());
    engine->addPresetNameListener (this);
    engine->addListener (this);
}

PresetDisplay::~PresetDisplay()
{
    engine->removeListener (this);
    engine->removePresetNameListener (this);
}

juce::StringArray PresetDisplay::getLines() const
{
    const auto slot = engine->getSourceSlot();
    return { engine->getPresetName(),
             slot.has_value() ? "SLOT " + juce::String (*slot + 1).paddedLeft ('0', 2) : juce::String() };
}

void PresetDisplay::paint (juce::Graphics& g)
{
    g.setColour (screen);
    g.fillRoundedRectangle (getLocalBounds().toFloat(), 2.0f);
    g.setColour (glyphs);
    g.setFont (juce::Font (juce::Font::getDefaultMonospacedFontName(), 10.0f, juce::Font::plain));

    const auto lines = getLines();
    auto area = getLocalBounds().reduced (3, 2);
    const auto lineHeight = area.getHeight() / 2;

    for (const auto& line : lines)
        g.drawFittedText (line, area.removeFromTop (lineHeight), juce::Justification::centredLeft, 1, 0.5f);
}
