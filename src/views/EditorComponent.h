#pragma once

#include "engine/QXEditorEngine.h"
#include "views/ViewSelector.h"
#include "widgets/CustomLook.h"

class PresetDisplay;

/** The whole content of an editor window: the keyboard picture, the tab row and the product
    picture that both select a section, and the one section view that is shown. Every view is
    built once and stays bound to the engine while hidden. */
class EditorComponent : public juce::Component, public ViewSelector::Listener
{
public:
    enum ViewNumber
    {
        mainView = 0,
        knobView,
        switchView,
        padView,
        rollModeView,
        transportView,
        keybedView,
        wheelView,
        sustainView,
        numViews
    };

    /** Takes ownership of both selectors; the counts are the keyboard model's. */
    EditorComponent (std::unique_ptr<ViewSelector> tabSelector, std::unique_ptr<ViewSelector> productSelector,
                     QXEditorEngine::Ptr engine, int numKnobs, int numPads, int numSwitches);
    ~EditorComponent() override;

    /** Shows that view in front and the others not at all, and presses its selector buttons. */
    void viewSelected (int viewNumber) override;

    /** The editor window's hook into the main view's four buttons. */
    void addMainSectionButtonListener (juce::Button::Listener* listener);

    /** Ends any typing in a number box as leaving the box would, so a command that reads or
        replaces the preset sees the typed value (or its refusal). */
    void commitEdits();

    /** Whether a text box of this content holds the keyboard focus (its own undo keys then
        belong to it). */
    bool isEditingText() const;

    juce::Component* getView (int viewNumber) const { return views[viewNumber]; }
    ViewSelector* getSelector (int index) const { return selectors[index]; }
    PresetDisplay& getDisplay() const { return *display; }

private:
    static void commitEditsBelow (juce::Component& parent);

    std::unique_ptr<juce::ImageComponent> background;
    juce::OwnedArray<ViewSelector> selectors;
    juce::OwnedArray<juce::Component> views;
    std::unique_ptr<PresetDisplay> display;
    CustomLook look;
    QXEditorEngine::Ptr engine;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EditorComponent)
};
