#pragma once

#include "model/PresetModel.h"

/** The names the user knows the controls by ("Knob 3", "Play", "Keybed"): the section views'
    titles and every message that names a control or one of its bytes take them from here. */
class ControlNames
{
public:
    /** The title of the control at that index of the group. */
    static juce::String title (int groupId, int index);

    /** The control and parameter holding a byte of the preset data, as "Knob 3 · CC"; empty
        for an address outside the data. */
    static juce::String describeDataByte (const PresetModel& model, int address);
};
