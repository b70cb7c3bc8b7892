#include "views/PadControlView.h"

#include "model/ControlGroup.h"
#include "model/ControlNames.h"
#include "model/QXPad.h"

PadControlView::PadControlView (QXEditorEngine::Ptr engineIn, int controlIndexIn)
    : GenericControlView (ControlNames::title (ControlGroup::padGroup, controlIndexIn), std::move (engineIn),
                          controlIndexIn)
{
    createControls();
    showControlGroup (0);
}

void PadControlView::createControls()
{
    buildModes (ControlGroup::padGroup, QXPad::modes());
}
