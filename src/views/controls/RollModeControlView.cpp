#include "views/controls/RollModeControlView.h"

#include "model/controls/ControlGroup.h"
#include "model/kinds/QXRollMode.h"
#include "views/ViewLayout.h"
#include "widgets/bound/SingleParameterControllerComboBox.h"
#include "widgets/bound/SingleParameterControllerNumberBox.h"

using ControlGroup::rollModeGroup;

RollModeControlView::RollModeControlView (QXEditorEngine::Ptr engineIn) : engine (std::move (engineIn))
{
    setSize (300, 200);

    titleLabel = ViewLayout::createTitle ("Roll Mode", 60, 20, 18.0f);
    addAndMakeVisible (titleLabel.get());

    functionComboBox = std::make_unique<SingleParameterControllerComboBox> (engine, "Function", rollModeGroup,
                                                                            QXRollMode::functionItems(), nullptr);
    timeDivComboBox = std::make_unique<SingleParameterControllerComboBox> (engine, "Time Div", rollModeGroup,
                                                                           QXRollMode::timeDivisions(), nullptr);

    // The control keeps swing bytes 0-24, so the box stops at 74 rather than offer a refused 75.
    auto* gate = numberBoxes.add (new SingleParameterControllerNumberBox (engine, "Gate", rollModeGroup, 1, 99, 1));
    auto* swing = numberBoxes.add (new SingleParameterControllerNumberBox (engine, "Swing", rollModeGroup, 50, 74, 50));

    ViewLayout::stackRows (*this, { functionComboBox.get(), timeDivComboBox.get(), gate, swing },
                           titleLabel->getBottom() + 10, 20);
}

RollModeControlView::~RollModeControlView() = default;
