#include "views/controls/PitchWheelView.h"

#include "model/controls/ControlGroup.h"
#include "model/kinds/QXWheels.h"
#include "views/ViewLayout.h"
#include "widgets/bound/ControlToMidiControllerButton.h"
#include "widgets/bound/SingleParameterControllerComboBox.h"

PitchWheelView::PitchWheelView (QXEditorEngine::Ptr engineIn) : engine (std::move (engineIn))
{
    setSize (300, 200);

    titleLabel = ViewLayout::createTitle ("Pitch Wheel", 70, 20, 18.0f);
    addAndMakeVisible (titleLabel.get());

    channelComboBox = std::make_unique<SingleParameterControllerComboBox> (
        engine, "MIDI Channel", ControlGroup::wheelsGroup, QXWheels::channelItems(), nullptr);
    channelComboBox->parameterName = "Pitch Wheel MIDI Channel";
    const auto bottom = ViewLayout::stackRows (*this, { channelComboBox.get() }, titleLabel->getBottom() + 10, 18);

    midiToDinButton = std::make_unique<ControlToMidiControllerButton> (engine, "Pitch Wheel Midi To DIN");
    midiToDinButton->setBounds (100, bottom + ViewLayout::rowGap, 100, 12);
    addAndMakeVisible (midiToDinButton.get());
}

PitchWheelView::~PitchWheelView() = default;
