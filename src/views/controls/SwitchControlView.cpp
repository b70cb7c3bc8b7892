#include "views/controls/SwitchControlView.h"

#include "model/controls/ControlGroup.h"
#include "model/controls/ControlNames.h"
#include "model/kinds/QXSwitch.h"

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
