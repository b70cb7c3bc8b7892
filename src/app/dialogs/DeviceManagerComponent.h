#pragma once

#include "app/dialogs/DeviceListModel.h"
#include "widgets/look/CustomLook.h"
#include "widgets/pictures/ScaledPicture.h"

/** The device setup's content: the MIDI input and output port lists on their frames, and "OK",
    "Apply" and "Cancel". */
class DeviceManagerComponent : public juce::Component
{
public:
    explicit DeviceManagerComponent (juce::Button::Listener* buttonListener);
    ~DeviceManagerComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    void addInputDevice (const juce::String& name) { inputListModel.addName (name); }
    void addOutputDevice (const juce::String& name) { outputListModel.addName (name); }

    /** Makes both lists re-read their names. */
    void updateLists();

    /** Selects the row of that exact name (the last one when two share it); none without one. */
    void selectInputDevice (const juce::String& name) { selectByName (inputList, inputListModel, name); }
    void selectOutputDevice (const juce::String& name) { selectByName (outputList, outputListModel, name); }

    /** The first selected row's name; empty without a selection. */
    juce::String getSelectedInputDevice() const { return selectedName (inputList, inputListModel); }
    juce::String getSelectedOutputDevice() const { return selectedName (outputList, outputListModel); }

    juce::ListBox& getInputList() { return inputList; }
    juce::ListBox& getOutputList() { return outputList; }

private:
    static void selectByName (juce::ListBox& list, const DeviceListModel& model, const juce::String& name);
    static juce::String selectedName (const juce::ListBox& list, const DeviceListModel& model);
    static void paintIfEmpty (juce::Graphics& g, const juce::ListBox& list, const DeviceListModel& model,
                              const juce::String& text);

    juce::TextButton okButton { "OK" };
    juce::TextButton applyButton { "Apply" };
    juce::TextButton cancelButton { "Cancel" };
    ScaledPicture backgroundImage;
    ScaledPicture listFrameImage;
    DeviceListModel inputListModel;
    DeviceListModel outputListModel;
    juce::ListBox inputList;
    juce::ListBox outputList;
    CustomLook look;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DeviceManagerComponent)
};
