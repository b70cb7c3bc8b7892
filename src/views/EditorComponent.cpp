#include "views/EditorComponent.h"

#include "model/controls/ControlGroup.h"
#include "views/PresetDisplay.h"
#include "views/controls/KeybedControlView.h"
#include "views/pictures/ViewImages.h"
#include "views/sections/KnobBank.h"
#include "views/sections/MainSectionView.h"
#include "views/sections/PadBank.h"
#include "views/sections/RollModeBank.h"
#include "views/sections/SustainBank.h"
#include "views/sections/SwitchBank.h"
#include "views/sections/TransportBank.h"
#include "views/sections/WheelBank.h"
#include "widgets/boxes/NumberBox.h"
#include "widgets/boxes/PresetNameBox.h"

#include <map>

namespace
{
const juce::Point<int> tabRowPosition { 0, 450 };
constexpr int productPictureY = 50;
const juce::Point<int> viewPosition { 0, 490 };
} // namespace

EditorComponent::EditorComponent (std::unique_ptr<ViewSelector> tabSelector,
                                  std::unique_ptr<ViewSelector> productSelector, QXEditorEngine::Ptr engineIn,
                                  int numKnobsIn, int numPadsIn, int numSwitchesIn)
    : engine (std::move (engineIn)),
      numKnobs (numKnobsIn),
      numPads (numPadsIn),
      numSwitches (numSwitchesIn)
{
    setLookAndFeel (&look);

    auto* tabs = selectors.add (tabSelector.release());
    auto* product = selectors.add (productSelector.release());
    product->onControlClicked = [this] (int groupId, int index) { showControl (groupId, index); };

    const auto picture = ViewImages::keyboardBackground();
    background = std::make_unique<PictureComponent> ("Background Image");
    background->setPicture (picture);
    addAndMakeVisible (background.get());
    background->toBack();
    setSize (picture.getWidth(), picture.getHeight());

    tabs->setTopLeftPosition (tabRowPosition);
    addAndMakeVisible (tabs);
    tabs->addListener (this);

    product->setTopLeftPosition ((getWidth() - product->getWidth()) / 2, productPictureY);
    addAndMakeVisible (product);
    product->addListener (this);

    display = std::make_unique<PresetDisplay> (engine);
    display->setTopLeftPosition (product->getPosition() + PresetDisplay::areaInPicture().getPosition());
    addAndMakeVisible (*display);

    viewSelected (mainView);
}

EditorComponent::~EditorComponent()
{
    setLookAndFeel (nullptr);
}

void EditorComponent::showControl (int groupId, int index)
{
    using namespace ControlGroup;
    static const std::map<int, int> viewOfGroup {
        { keybedGroup, keybedView },     { transportGroup, transportView },
        { rollModeGroup, rollModeView }, { wheelsGroup, wheelView },
        { sustainGroup, sustainView },   { switchGroup, switchView },
        { knobGroup, knobView },         { padGroup, padView },
    };
    const auto found = viewOfGroup.find (groupId);

    if (found == viewOfGroup.end())
        return;

    viewSelected (found->second);

    if (auto* bank = dynamic_cast<BankView*> (getView (found->second)))
    {
        bank->showBankOf (index);
        bank->markItem (index);
    }
}

void EditorComponent::viewSelected (int viewNumber)
{
    for (auto* selector : selectors)
        selector->setSelectedView (viewNumber);

    // As with paging: the focus leaves with the view rather than landing on a widget unseen.
    for (auto& view : views)
        if (view != nullptr && view->hasKeyboardFocus (true))
            view->giveAwayKeyboardFocus();

    for (auto& view : views)
        if (view != nullptr)
            removeChildComponent (view.get());

    // Adding last puts the shown view in front of everything else.
    if (auto* shown = getView (viewNumber))
        addAndMakeVisible (shown);
}

juce::Component* EditorComponent::getView (int viewNumber)
{
    if (! juce::isPositiveAndBelow (viewNumber, (int) numViews))
        return nullptr;

    auto& view = views[(size_t) viewNumber];
    if (view == nullptr)
    {
        view = createView (viewNumber);
        view->setTopLeftPosition (viewPosition);
    }
    return view.get();
}

std::unique_ptr<juce::Component> EditorComponent::createView (int viewNumber) const
{
    switch (viewNumber)
    {
        case knobView: return std::make_unique<KnobBank> (engine, numKnobs);
        case switchView: return std::make_unique<SwitchBank> (engine, numSwitches);
        case padView: return std::make_unique<PadBank> (engine, numPads);
        case rollModeView: return std::make_unique<RollModeBank> (engine);
        case transportView: return std::make_unique<TransportBank> (engine);
        case keybedView: return std::make_unique<KeybedControlView> (engine);
        case wheelView: return std::make_unique<WheelBank> (engine);
        case sustainView: return std::make_unique<SustainBank> (engine);
        default: return std::make_unique<MainSectionView> (engine);
    }
}

void EditorComponent::addMainSectionButtonListener (juce::Button::Listener* listener)
{
    if (auto* mainSection = dynamic_cast<MainSectionView*> (getView (mainView)))
        mainSection->addButtonListener (listener);
}

void EditorComponent::commitEdits()
{
    commitEditsBelow (*this);
}

void EditorComponent::commitEditsBelow (juce::Component& parent)
{
    for (auto* child : parent.getChildren())
    {
        if (auto* box = dynamic_cast<NumberBox*> (child))
            box->commitEdit();
        else if (auto* nameBox = dynamic_cast<PresetNameBox*> (child))
            nameBox->commitEdit();
        else
            commitEditsBelow (*child);
    }
}

bool EditorComponent::isEditingText() const
{
    auto* focused = juce::Component::getCurrentlyFocusedComponent();
    return focused != nullptr && isParentOf (focused) && dynamic_cast<juce::TextEditor*> (focused) != nullptr;
}
