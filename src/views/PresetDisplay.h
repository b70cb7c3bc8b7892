#pragma once

#include "engine/QXEditorEngine.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The keyboard's display in the product picture: the window's preset name and the slot it
    came from, in the display's own colours. */
class PresetDisplay : public juce::Component, private Control::Listener, private QXEditorEngine::Listener
{
public:
    /** Where the display lies in the product picture. */
    static juce::Rectangle<int> areaInPicture() { return { 109, 15, 76, 32 }; }

    explicit PresetDisplay (QXEditorEngine::Ptr engine);
    ~PresetDisplay() override;

    /** The two lines shown: the name, then "SLOT 03" or nothing. */
    juce::StringArray getLines() const;

    void paint (juce::Graphics& g) override;

private:
    void parameterChanged (const juce::String&, juce::uint8) override { repaint(); }
    void midiCommunicationFailed (const juce::String&) override {}
    void presetFileFailed (const juce::String&) override {}
    void sourceSlotChanged() override { repaint(); }

    QXEditorEngine::Ptr engine;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetDisplay)
};
