#include "model/PresetModel.h"

#include "model/kinds/QXControlsToMidiDin.h"
#include "model/kinds/QXKeybed.h"
#include "model/kinds/QXKnob.h"
#include "model/kinds/QXPad.h"
#include "model/kinds/QXPresetName.h"
#include "model/kinds/QXRollMode.h"
#include "model/kinds/QXSustain.h"
#include "model/kinds/QXSwitch.h"
#include "model/kinds/QXTransport.h"
#include "model/kinds/QXWheels.h"

using namespace ControlGroup;

PresetModel::PresetModel (const PresetLayout& layoutIn, juce::uint8 splitPointMaximum, juce::uint8 octaveMaximum)
    : layout (layoutIn)
{
    buildGroups (splitPointMaximum, octaveMaximum);
}

void PresetModel::buildGroups (juce::uint8 splitPointMaximum, juce::uint8 octaveMaximum)
{
    groups[presetNameGroup].add (new QXPresetName());
    groups[keybedGroup].add (new QXKeybed (PresetLayout::keybedOffset, splitPointMaximum, octaveMaximum));
    groups[rollModeGroup].add (new QXRollMode (PresetLayout::rollModeOffset));

    for (int i = 0; i < PresetLayout::numTransports; ++i)
        groups[transportGroup].add (new QXTransport (PresetLayout::transportOffset (i)));

    groups[wheelsGroup].add (new QXWheels (PresetLayout::wheelsOffset));
    groups[sustainGroup].add (new QXSustain (PresetLayout::sustainOffset));

    // Empty groups still exist, so a model without knobs, pads or switches answers "none".
    groups[knobGroup];
    groups[padGroup];
    groups[switchGroup];

    for (int i = 0; i < layout.getNumKnobs(); ++i)
        groups[knobGroup].add (new QXKnob (layout.knobOffset (i)));

    for (int i = 0; i < layout.getNumPads(); ++i)
        groups[padGroup].add (new QXPad (layout.padOffset (i)));

    for (int i = 0; i < layout.getNumSwitches(); ++i)
        groups[switchGroup].add (new QXSwitch (layout.switchOffset (i)));

    groups[midiToDinGroup].add (new QXControlsToMidiDin (layout.midiToDinOffset()));
}

Control* PresetModel::getControl (int groupId, int index) const
{
    const auto found = groups.find (groupId);
    return found == groups.end() ? nullptr : found->second[index];
}

int PresetModel::getNumControls (int groupId) const
{
    const auto found = groups.find (groupId);
    return found == groups.end() ? 0 : found->second.size();
}

void PresetModel::applyData (const Control::Bytes& presetData)
{
    forEachControl ([&] (int, Control& control) { control.applyImage (presetData); });
}

Control::Bytes PresetModel::collectData() const
{
    Control::Bytes data;
    data.insertMultiple (0, 0, layout.dataLength());

    forEachControl ([&] (int, const Control& control) {
        const auto block = control.getBytes();

        for (int i = 0; i < block.size(); ++i)
            data.set (control.getImageOffset() + i, block[i]);
    });

    return data;
}
