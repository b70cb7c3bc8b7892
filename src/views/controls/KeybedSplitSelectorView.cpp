#include "views/controls/KeybedSplitSelectorView.h"

#include "model/controls/ControlGroup.h"
#include "model/kinds/QXKeybed.h"
#include "views/ViewLayout.h"
#include "views/controls/KeybedControlView.h"
#include "widgets/bound/SingleParameterControllerComboBox.h"
#include "widgets/bound/SingleParameterControllerNumberBox.h"

using ControlGroup::keybedGroup;

KeybedSplitSelectorView::KeybedSplitSelectorView (QXEditorEngine::Ptr engineIn, KeybedControlView& ownerIn)
    : engine (std::move (engineIn)),
      owner (ownerIn)
{
    setSize (300, 200);

    titleLabel = ViewLayout::createTitle ("Split Keyboard", 70, 20, 20.0f);
    addAndMakeVisible (titleLabel.get());

    splitModeComboBox = std::make_unique<SingleParameterControllerComboBox> (engine, "Split Mode", keybedGroup,
                                                                             QXKeybed::splitItems(), this);

    // The keys are shown counting from 1; the range follows the model's keyboard.
    const auto lowest = static_cast<juce::uint8> (engine->getMinimum (keybedGroup, "Split Point") + 1);
    const auto highest = static_cast<juce::uint8> (engine->getMaximum (keybedGroup, "Split Point") + 1);
    auto* splitPoint = numberBoxes.add (
        new SingleParameterControllerNumberBox (engine, "Split Point", keybedGroup, lowest, highest, 1));

    ViewLayout::stackRows (*this, { splitModeComboBox.get(), splitPoint }, titleLabel->getBottom() + 10, 22);
}

KeybedSplitSelectorView::~KeybedSplitSelectorView() = default;

void KeybedSplitSelectorView::comboBoxChanged (juce::ComboBox* comboBox)
{
    owner.setSplitEnabled (comboBox->getText() != "Off");
}
