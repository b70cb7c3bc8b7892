#pragma once

#include "engine/QXEditorEngine.h"
#include "model/controls/ParameterUpdater.h"
#include "widgets/controllers/UIParameterInterface.h"

/** What the three controllers share: one widget, one parameter name, the engine reference and
    the display offset. Subclasses say which control they address and how to write to it.

    Shared bytes: an edit is written without notification, so nothing echoes back to the widget
    being edited. If the stored byte actually changed, every parameter name that addresses that
    byte (the name itself, and on pads and switches the names sharing it, such as "Note", "CC"
    and "Program") is then reported to the control's listeners, so every other widget bound to
    that byte shows the edit at once, whichever mode row it sits in. A widget hearing such a
    report writes back an unchanged byte, which reports nothing, so the exchange always ends.
*/
class ParameterController : public ParameterUpdater
{
public:
    ParameterController (UIParameterInterface* ui, QXEditorEngine::Ptr engine, const juce::String& parameterName,
                         int valueOffset);

    /** Shows the value when the report is for this controller's parameter name. */
    void parameterChanged (const juce::String& changedName, juce::uint8 value) override;

    /** Writes the shown value minus the offset, cut to a byte; the control refuses values
        outside the parameter's range. */
    void updateParameter (int shownValue) override;

    /** Shows what the model holds now, exactly as a report would. */
    void showStoredValue();

    /** The key addressed inside the control; a view may replace it at any time, since the
        registration is made with the control, not with the name. */
    juce::String parameterName;

protected:
    /** The addressed control, or nullptr if the model has none there. */
    virtual const Control* findControl() const = 0;

    /** Writes one name's byte through the engine's operation for this kind of address. */
    virtual void writeToEngine (const juce::String& name, juce::uint8 value, bool notify) = 0;

    UIParameterInterface* ui;
    QXEditorEngine::Ptr engine;
    int valueOffset;

private:
    void reportNamesSharingByte (const Control& control, const juce::String& name, juce::uint8 value);

    JUCE_DECLARE_NON_COPYABLE (ParameterController)
};
