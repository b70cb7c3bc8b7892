#include "views/controls/KeybedParameterView.h"

#include "model/controls/ControlGroup.h"
#include "views/ViewLayout.h"
#include "widgets/bound/ControlToMidiControllerButton.h"
#include "widgets/bound/SingleParameterControllerNumberBox.h"

using ControlGroup::keybedGroup;

KeybedParameterView::KeybedParameterView (QXEditorEngine::Ptr engineIn, const juce::String& zoneTitle)
    : engine (std::move (engineIn))
{
    setSize (300, 200);

    titleLabel = ViewLayout::createTitle (zoneTitle, 60, 20, 20.0f);
    addAndMakeVisible (titleLabel.get());

    const int octaveMaximum = engine->getMaximum (keybedGroup, "Keybed Octave");

    auto* channel =
        numberBoxes.add (new SingleParameterControllerNumberBox (engine, "MIDI Channel", keybedGroup, 1, 16, 1));
    auto* transpose =
        numberBoxes.add (new SingleParameterControllerNumberBox (engine, "Transpose", keybedGroup, -12, 12, -12));
    auto* octave =
        numberBoxes.add (new SingleParameterControllerNumberBox (engine, "Octave", keybedGroup, 0, octaveMaximum, 0));
    auto* curve = numberBoxes.add (new SingleParameterControllerNumberBox (engine, "Curve", keybedGroup, 1, 8, 1));

    // Registration is per control, so the boxes may take the zone's long names afterwards.
    for (auto* box : numberBoxes)
        box->parameterName = zoneTitle + " " + box->parameterName;

    const auto bottom =
        ViewLayout::stackRows (*this, { channel, transpose, octave, curve }, titleLabel->getBottom() + 10, 22);

    midiToDinButton = std::make_unique<ControlToMidiControllerButton> (engine, zoneTitle + " Midi To DIN");
    midiToDinButton->setBounds (100, bottom + ViewLayout::rowGap, 100, 12);
    addAndMakeVisible (midiToDinButton.get());
}

KeybedParameterView::~KeybedParameterView() = default;

juce::String KeybedParameterView::getZoneTitle() const
{
    return titleLabel->getText();
}
