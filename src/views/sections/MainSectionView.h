#pragma once

#include "engine/QXEditorEngine.h"
#include "widgets/boxes/PresetNameBox.h"

#include "widgets/pictures/PictureButton.h"

/** View 0: the four whole-preset actions and the preset's name. The buttons do nothing themselves; the editor window
    listens to them and tells them apart by their component names. */
class MainSectionView : public juce::Component
{
public:
    explicit MainSectionView (QXEditorEngine::Ptr engine);
    ~MainSectionView() override;

    void resized() override;

    /** Adds the listener to each of the four buttons. */
    void addButtonListener (juce::Button::Listener* listener);

    /** The captions, which are the buttons' component names, top to bottom. */
    static const juce::StringArray& buttonNames();

private:
    juce::OwnedArray<PictureButton> buttons;
    QXEditorEngine::Ptr engine;
    juce::Label nameCaption { "Name Caption", "Name" };
    PresetNameBox nameBox;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainSectionView)
};
