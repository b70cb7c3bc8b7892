#include "app/dialogs/DeviceListModel.h"

void DeviceListModel::paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool selected)
{
    if (selected)
        g.fillAll (juce::Colours::white);

    g.setColour (selected ? juce::Colours::black : juce::Colours::white);
    g.setFont (juce::Font (0.7f * static_cast<float> (height), juce::Font::plain));
    g.drawText (names[row], 5, 0, width, height, juce::Justification::centredLeft, true);
}
