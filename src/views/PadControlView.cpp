#include "views/PadControlView.h"

#include "model/ControlGroup.h"
#include "widgets/DoubleParameterControllerComboBox.h"
#include "widgets/DoubleParamterControllerNumberBox.h"

PadControlView::PadControlView (QXEditorEngine::Ptr engineIn, int controlIndexIn)
    : GenericControlView ("Pad " + juce::String (controlIndexIn + 1)),
      engine (std::move (engineIn)),
      controlIndex (controlIndexIn)
{
    createControls();
    showControlGroup (0);
}

PadControlView::~PadControlView() = default;

void PadControlView::createControls()
{
    buildModes (engine, ControlGroup::padGroup, controlIndex,
                { { "Note", { "MIDI Channel", "Note", "Fixed", "Curve" } },
                  { "CC Toggle", { "MIDI Channel", "CC", "Toggle On", "Toggle Off" } },
                  { "CC Momentary", { "MIDI Channel", "CC", "Pressed", "Released" } },
                  { "Program Change", { "MIDI Channel", "Bank LSB", "Bank MSB", "Program" } } },
                numberBoxes, ownedModeComboBox);
}
