#include "views/controls/ModWheelView.h"

#include "model/controls/ControlGroup.h"
#include "model/kinds/QXWheels.h"
#include "views/ViewLayout.h"
#include "views/controls/PitchWheelView.h"
#include "widgets/bound/ControlToMidiControllerButton.h"
#include "widgets/bound/SingleParameterControllerComboBox.h"
#include "widgets/bound/SingleParameterControllerNumberBox.h"

using ControlGroup::wheelsGroup;

namespace
{
// Captioned with the short name, bound to the wheel's own parameter.
std::unique_ptr<SingleParameterControllerNumberBox> makeBox (const QXEditorEngine::Ptr& engine,
                                                             const juce::String& caption)
{
    auto box = std::make_unique<SingleParameterControllerNumberBox> (engine, caption, wheelsGroup, 0, 127, 0);
    box->parameterName = "Mod Wheel " + caption;
    return box;
}
} // namespace

ModWheelView::ModWheelView (QXEditorEngine::Ptr engineIn) : engine (std::move (engineIn))
{
    setSize (300, 200);

    titleLabel = ViewLayout::createTitle ("Mod Wheel", 70, 20, 18.0f);
    addAndMakeVisible (titleLabel.get());

    channelComboBox = std::make_unique<SingleParameterControllerComboBox> (engine, "MIDI Channel", wheelsGroup,
                                                                           QXWheels::channelItems(), nullptr);
    channelComboBox->parameterName = "Mod Wheel MIDI Channel";
    ccBox = makeBox (engine, "CC");
    minBox = makeBox (engine, "Min");
    maxBox = makeBox (engine, "Max");

    const auto bottom = ViewLayout::stackRows (
        *this, { channelComboBox.get(), ccBox.get(), minBox.get(), maxBox.get() }, titleLabel->getBottom() + 10, 18);

    midiToDinButton = std::make_unique<ControlToMidiControllerButton> (engine, "Mod Wheel Midi To DIN");
    midiToDinButton->setBounds (100, bottom + ViewLayout::rowGap, 100, 12);
    addAndMakeVisible (midiToDinButton.get());
}

ModWheelView::~ModWheelView() = default;
