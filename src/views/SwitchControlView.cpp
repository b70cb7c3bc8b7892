#include "views/SwitchControlView.h"

#include "model/ControlGroup.h"
#include "widgets/DoubleParameterControllerComboBox.h"
#include "widgets/DoubleParamterControllerNumberBox.h"

SwitchControlView::SwitchControlView (QXEditorEngine::Ptr engineIn, int controlIndexIn)
    : GenericControlView ("Switch " + juce::String (controlIndexIn + 1)),
      engine (std::move (engineIn)),
      controlIndex (controlIndexIn)
{
    createControls();
    showControlGroup (0);
}

SwitchControlView::~SwitchControlView() = default;

void SwitchControlView::createControls()
{
    buildModes (engine, ControlGroup::switchGroup, controlIndex,
                { { "CC Toggle", { "MIDI Channel", "CC", "Toggle On", "Toggle Off" } },
                  { "CC Momentary", { "MIDI Channel", "CC", "Pressed", "Released" } },
                  { "Program Change", { "MIDI Channel", "Bank LSB", "Bank MSB", "Program" } } },
                numberBoxes, ownedModeComboBox);
}
