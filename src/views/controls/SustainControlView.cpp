#include "views/controls/SustainControlView.h"

#include "model/controls/ControlGroup.h"
#include "views/ViewLayout.h"
#include "widgets/bound/SingleParameterControllerNumberBox.h"

using ControlGroup::sustainGroup;

SustainControlView::SustainControlView (QXEditorEngine::Ptr engineIn) : engine (std::move (engineIn))
{
    setSize (300, 200);

    titleLabel = ViewLayout::createTitle ("Sustain Pedal", 70, 20, 18.0f);
    addAndMakeVisible (titleLabel.get());

    auto* channel =
        numberBoxes.add (new SingleParameterControllerNumberBox (engine, "MIDI Channel", sustainGroup, 1, 16, 1));
    auto* cc = numberBoxes.add (new SingleParameterControllerNumberBox (engine, "CC", sustainGroup, 0, 127, 0));
    auto* pressed =
        numberBoxes.add (new SingleParameterControllerNumberBox (engine, "Pressed", sustainGroup, 0, 127, 0));
    auto* released =
        numberBoxes.add (new SingleParameterControllerNumberBox (engine, "Released", sustainGroup, 0, 127, 0));

    ViewLayout::stackRows (*this, { channel, cc, pressed, released }, titleLabel->getBottom() + 10, 22);
}

SustainControlView::~SustainControlView() = default;
