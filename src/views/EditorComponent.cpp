#include "views/EditorComponent.h"

#include "views/KeybedControlView.h"
#include "views/KnobBank.h"
#include "views/MainSectionView.h"
#include "views/PadBank.h"
#include "views/PresetDisplay.h"
#include "views/RollModeBank.h"
#include "views/SustainBank.h"
#include "views/SwitchBank.h"
#include "views/TransportBank.h"
#include "views/ViewImages.h"
#include "views/WheelBank.h"
#include "widgets/NumberBox.h"
#include "widgets/PresetNameBox.h"

namespace
{
const juce::Point<int> tabRowPosition { 0, 450 };
constexpr int productPictureY = 50;
const juce::Point<int> viewPosition { 0, 490 };
} // namespace

EditorComponent::EditorComponent (std::unique_ptr<ViewSelector> tabSelector,
                                  std::unique_ptr<ViewSelector> productSelector, QXEditorEngine::Ptr engineIn,
                                  int numKnobs, int numPads, int numSwitches)
    : engine (std::move (engineIn))
{
    setLookAndFeel (&look);

    auto* tabs = selectors.add (tabSelector.release());
    auto* product = selectors.add (productSelector.release());

    const auto picture = ViewImages::keyboardBackground();
    background = std::make_unique<juce::ImageComponent> ("Background Image");
    background->setImage (picture);
    background->setBounds (picture.getBounds());
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

    views.add (new MainSectionView (engine));
    views.add (new KnobBank (engine, numKnobs));
    views.add (new SwitchBank (engine, numSwitches));
    views.add (new PadBank (engine, numPads));
    views.add (new RollModeBank (engine));
    views.add (new TransportBank (engine));
    views.add (new KeybedControlView (engine));
    views.add (new WheelBank (engine));
    views.add (new SustainBank (engine));

    for (auto* view : views)
    {
        view->setTopLeftPosition (viewPosition);
        addChildComponent (view);
    }

    viewSelected (mainView);
}

EditorComponent::~EditorComponent()
{
    setLookAndFeel (nullptr);
}

void EditorComponent::viewSelected (int viewNumber)
{
    for (auto* selector : selectors)
        selector->setSelectedView (viewNumber);

    // As with paging: the focus leaves with the view rather than landing on a widget unseen.
    for (auto* view : views)
        if (view->hasKeyboardFocus (true))
            view->giveAwayKeyboardFocus();

    for (int i = 0; i < views.size(); ++i)
    {
        auto* view = views.getUnchecked (i);
        view->setVisible (i == viewNumber);

        // Re-adding puts the shown view in front of everything else.
        if (i == viewNumber)
            addAndMakeVisible (view);
        else
            removeChildComponent (view);
    }
}

void EditorComponent::addMainSectionButtonListener (juce::Button::Listener* listener)
{
    if (auto* mainSection = dynamic_cast<MainSectionView*> (views[mainView]))
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
