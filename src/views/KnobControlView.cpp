#include "views/KnobControlView.h"

#include "model/ControlGroup.h"
#include "widgets/DoubleParameterControllerComboBox.h"
#include "widgets/DoubleParamterControllerNumberBox.h"

KnobControlView::KnobControlView (QXEditorEngine::Ptr engineIn, int controlIndexIn)
    : GenericControlView ("Knob " + juce::String (controlIndexIn + 1)),
      engine (std::move (engineIn)),
      controlIndex (controlIndexIn)
{
    createControls();
    showControlGroup (0);
}

KnobControlView::~KnobControlView() = default;

void KnobControlView::createControls()
{
    buildModes (engine, ControlGroup::knobGroup, controlIndex,
                { { "CC", { "MIDI Channel", "CC", "Min", "Max" } },
                  { "Aftertouch", { "MIDI Channel", "Min", "Max" } } },
                numberBoxes, ownedModeComboBox);
}
