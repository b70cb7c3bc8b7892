#include "views/SwitchControlView.h"

#include "model/ControlGroup.h"
#include "model/ControlNames.h"
#include "model/QXSwitch.h"

SwitchControlView::SwitchControlView (QXEditorEngine::Ptr engineIn, int controlIndexIn)
    : GenericControlView (ControlNames::title (ControlGroup::switchGroup, controlIndexIn), std::move (engineIn),
                          controlIndexIn)
{
    createControls();
    showControlGroup (0);
}

void SwitchControlView::createControls()
{
    buildModes (ControlGroup::switchGroup, QXSwitch::modes());
}
