#pragma once

#include "engine/QXEditorEngine.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

class DoubleParameterControllerComboBox;
class DoubleParamterControllerNumberBox;

/** One knob, pad or switch: a title, a mode combo box, and one group of rows per mode of which
    only the selected mode's group is shown. */
class GenericControlView : public juce::Component, public juce::ComboBox::Listener
{
public:
    /** Holds (but does not own) the rows of one mode. */
    class GenericControlViewControlGroup : public juce::Component
    {};

    /** A view of that control of the engine's preset; the subclass constructor then calls
        createControls. */
    GenericControlView (const juce::String& title, QXEditorEngine::Ptr engine, int controlIndex);
    ~GenericControlView() override;

    /** Builds the mode combo box and the groups; each subclass constructor calls it once. */
    virtual void createControls() = 0;

    /** Shows the group of the selected mode; no selection hides every group. */
    void comboBoxChanged (juce::ComboBox* comboBox) override;

    /** Records the mode combo box, listens to it and places it under the title. */
    void setModeComboBox (DoubleParameterControllerComboBox* comboBox);

    /** Adds the mode as the next combo box item and its rows as the next (hidden) group. */
    void addControlGroup (const juce::String& modeName, const juce::Array<DoubleParamterControllerNumberBox*>& rows);

    /** Shows the group at that index and hides the others; an index of no group hides them all. */
    void showControlGroup (int index);

    juce::String getTitle() const;
    DoubleParameterControllerComboBox* getModeComboBox() const { return modeComboBox; }
    const juce::OwnedArray<GenericControlViewControlGroup>& getControlGroups() const { return controlGroups; }

    /** The index of the group shown, or -1 when none is. */
    int getShownGroup() const;

    /** Every row of every mode, in the order they were built. */
    const juce::OwnedArray<DoubleParamterControllerNumberBox>& getNumberBoxes() const { return numberBoxes; }

protected:
    /** What every subclass's createControls does with its own table of modes: the "Mode" combo
        box, then per mode one number box per row, bound to this view's control of that group. */
    void buildModes (int groupId, const std::vector<ControlMode>& modes);

    /** A right-click on the title offers "Copy Settings" and "Paste Settings". */
    void mouseDown (const juce::MouseEvent& event) override;

private:
    void copyOrPasteSettings (bool paste);
    int groupId = -1;

    std::unique_ptr<juce::Label> titleLabel;
    DoubleParameterControllerComboBox* modeComboBox = nullptr;
    juce::OwnedArray<GenericControlViewControlGroup> controlGroups;

    QXEditorEngine::Ptr engine;
    const int controlIndex;
    juce::OwnedArray<DoubleParamterControllerNumberBox> numberBoxes;
    std::unique_ptr<DoubleParameterControllerComboBox> ownedModeComboBox;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (GenericControlView)
};
