#include "views/KnobControlView.h"

#include "model/ControlGroup.h"
#include "model/QXKnob.h"

KnobControlView::KnobControlView (QXEditorEngine::Ptr engineIn, int controlIndexIn)
    : GenericControlView ("Knob " + juce::String (controlIndexIn + 1), std::move (engineIn), controlIndexIn)
{
    createControls();
    showControlGroup (0);
}

void KnobControlView::createControls()
{
    buildModes (ControlGroup::knobGroup, QXKnob::modes());
}
