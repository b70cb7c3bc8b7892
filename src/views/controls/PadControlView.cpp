#include "views/controls/PadControlView.h"

#include "model/controls/ControlGroup.h"
#include "model/controls/ControlNames.h"
#include "model/kinds/QXPad.h"

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
