#pragma once

#include "engine/QXEditorEngine.h"
#include "widgets/boxes/RefusingBox.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The preset's name as one text field: typing a name and leaving the box renames the preset
    in one edit; a name the keyboard cannot store is refused with the same mark as a number
    box's refused value. */
class PresetNameBox : public RefusingBox, private Control::Listener
{
public:
    explicit PresetNameBox (QXEditorEngine::Ptr engine);
    ~PresetNameBox() override;

    void paint (juce::Graphics& g) override;

protected:
    void editorShown (juce::TextEditor* editor) override;
    void editorAboutToBeHidden (juce::TextEditor* editor) override;

    // The label takes the typed text as its own after the editor closes; the name stored wins.
    void textWasEdited() override { showName(); }

private:
    void parameterChanged (const juce::String& parameterName, juce::uint8 value) override;
    void showName();

    QXEditorEngine::Ptr engine;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetNameBox)
};
