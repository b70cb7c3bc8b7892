#pragma once

#include "engine/QXEditorEngine.h"
#include "views/selectors/ViewSelector.h"
#include "widgets/look/CustomLook.h"
#include "widgets/pictures/PictureComponent.h"

class PresetDisplay;

/** The whole content of an editor window: the keyboard picture, the tab row and the product
    picture that both select a section, and the one section view that is shown. A section view is
    built the first time it is wanted, so a new window shows sooner, and then stays bound to the
    engine while hidden. */
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

    /** Shows the section of the control at that index of the group, at the page holding it. */
    void showControl (int groupId, int index);

    /** The editor window's hook into the main view's four buttons. */
    void addMainSectionButtonListener (juce::Button::Listener* listener);

    /** Ends any typing in a number box as leaving the box would, so a command that reads or
        replaces the preset sees the typed value (or its refusal). */
    void commitEdits();

    /** Whether a text box of this content holds the keyboard focus (its own undo keys then
        belong to it). */
    bool isEditingText() const;

    /** The section view, built now if it never was. */
    juce::Component* getView (int viewNumber);
    ViewSelector* getSelector (int index) const { return selectors[index]; }
    PresetDisplay& getDisplay() const { return *display; }

private:
    static void commitEditsBelow (juce::Component& parent);
    std::unique_ptr<juce::Component> createView (int viewNumber) const;

    std::unique_ptr<PictureComponent> background;
    juce::OwnedArray<ViewSelector> selectors;
    std::array<std::unique_ptr<juce::Component>, numViews> views;
    std::unique_ptr<PresetDisplay> display;
    CustomLook look;
    QXEditorEngine::Ptr engine;
    const int numKnobs, numPads, numSwitches;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EditorComponent)
};
