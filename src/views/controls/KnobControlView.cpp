#include "views/controls/KnobControlView.h"

#include "model/controls/ControlGroup.h"
#include "model/controls/ControlNames.h"
#include "model/kinds/QXKnob.h"

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
