#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** Port names for one list of the device setup: white text on the frame picture, a selected row
    white with black text. Selecting a row changes nothing by itself. */
class DeviceListModel : public juce::ListBoxModel
{
public:
    void addName (const juce::String& name) { names.add (name); }
    const juce::StringArray& getNames() const { return names; }

    int getNumRows() override { return names.size(); }
    void paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool selected) override;

private:
    juce::StringArray names;
};
