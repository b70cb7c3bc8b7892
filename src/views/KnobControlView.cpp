#include "views/KnobControlView.h"

#include "model/ControlGroup.h"
#include "model/ControlNames.h"
#include "model/QXKnob.h"

KnobControlView::KnobControlView (QXEditorEngine::Ptr engineIn, int controlIndexIn)
    : GenericControlView (ControlNames::title (ControlGroup::knobGroup, controlIndexIn), std::move (engineIn),
                          controlIndexIn)
{
    createControls();
    showControlGroup (0);
}

void KnobControlView::createControls()
{
    buildModes (ControlGroup::knobGroup, QXKnob::modes());
}
