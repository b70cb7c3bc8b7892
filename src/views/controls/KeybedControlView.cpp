#include "views/controls/KeybedControlView.h"

#include "views/pictures/ViewImages.h"

KeybedControlView::KeybedControlView (QXEditorEngine::Ptr engine)
{
    setSize (1200, 300);

    splitSelector = std::make_unique<KeybedSplitSelectorView> (engine, *this);
    splitSelector->setBounds (40, 10, 200, 300);
    addAndMakeVisible (splitSelector.get());

    divider.setPicture (ViewImages::keybedDivider());
    divider.setTopLeftPosition (splitSelector->getRight() + 10, 15);
    addAndMakeVisible (divider);

    auto* single = zoneViews.add (new KeybedParameterView (engine, "Keybed"));
    auto* lower = zoneViews.add (new KeybedParameterView (engine, "Lower Keybed"));
    auto* upper = zoneViews.add (new KeybedParameterView (engine, "Upper Keybed"));

    // The single zone and the lower zone take the same place; only one of them is ever shown.
    // The upper zone sits level beside the lower one.
    single->setBounds (divider.getRight() + 5, 10, 300, 200);
    lower->setBounds (single->getBounds());
    upper->setBounds (lower->getBounds().withX (lower->getRight() + 5));

    // Which zones show is decided by the split mode box's first notification.
    for (auto* zone : zoneViews)
        addChildComponent (zone);
}

KeybedControlView::~KeybedControlView() = default;

void KeybedControlView::setSplitEnabled (bool splitEnabled)
{
    zoneViews[0]->setVisible (! splitEnabled);
    zoneViews[1]->setVisible (splitEnabled);
    zoneViews[2]->setVisible (splitEnabled);
}
