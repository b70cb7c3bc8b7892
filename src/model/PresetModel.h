#pragma once

#include "model/PresetLayout.h"
#include "model/controls/Control.h"
#include "model/controls/ControlGroup.h"

#include <map>

/** Every control of one preset, grouped by section and laid out by PresetLayout. */
class PresetModel
{
public:
    PresetModel (const PresetLayout& layout, juce::uint8 splitPointMaximum, juce::uint8 octaveMaximum);

    const PresetLayout& getLayout() const { return layout; }

    /** The control at that index of the group, or nullptr when there is none. */
    Control* getControl (int groupId, int index = 0) const;
    int getNumControls (int groupId) const;

    /** Hands the preset data to every control, group by group in ascending id order; every
        control reports every parameter to its listeners. */
    void applyData (const Control::Bytes& presetData);

    /** Every control's bytes, in data order. */
    Control::Bytes collectData() const;

    /** Calls the function on every control in ascending group id, then index order. */
    template <typename Function>
    void forEachControl (Function&& function) const
    {
        for (const auto& [groupId, controls] : groups)
            for (auto* control : controls)
                function (groupId, *control);
    }

private:
    void buildGroups (juce::uint8 splitPointMaximum, juce::uint8 octaveMaximum);

    PresetLayout layout;
    std::map<int, juce::OwnedArray<Control>> groups;

    JUCE_DECLARE_NON_COPYABLE (PresetModel)
};
