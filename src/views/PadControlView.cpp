#include "views/PadControlView.h"

#include "model/ControlGroup.h"
#include "model/ControlNames.h"

PadControlView::PadControlView (QXEditorEngine::Ptr engineIn, int controlIndexIn)
    : GenericControlView (ControlNames::title (ControlGroup::padGroup, controlIndexIn), std::move (engineIn), controlIndexIn)
{
    createControls();
    showControlGroup (0);
}

void PadControlView::createControls()
{
    buildModes (ControlGroup::padGroup,
                { { "Note", { "MIDI Channel", "Note", "Fixed", "Curve" } },
                  { "CC Toggle", { "MIDI Channel", "CC", "Toggle On", "Toggle Off" } },
                  { "CC Momentary", { "MIDI Channel", "CC", "Pressed", "Released" } },
                  { "Program Change", { "MIDI Channel", "Bank LSB", "Bank MSB", "Program" } } });
}
