#include "views/SwitchControlView.h"

#include "model/ControlGroup.h"
#include "model/ControlNames.h"

SwitchControlView::SwitchControlView (QXEditorEngine::Ptr engineIn, int controlIndexIn)
    : GenericControlView (ControlNames::title (ControlGroup::switchGroup, controlIndexIn), std::move (engineIn), controlIndexIn)
{
    createControls();
    showControlGroup (0);
}

void SwitchControlView::createControls()
{
    buildModes (ControlGroup::switchGroup,
                { { "CC Toggle", { "MIDI Channel", "CC", "Toggle On", "Toggle Off" } },
                  { "CC Momentary", { "MIDI Channel", "CC", "Pressed", "Released" } },
                  { "Program Change", { "MIDI Channel", "Bank LSB", "Bank MSB", "Program" } } });
}
