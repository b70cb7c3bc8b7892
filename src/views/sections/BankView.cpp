#include "views/sections/BankView.h"

#include "views/pictures/ViewImages.h"

namespace
{
constexpr int firstItemX = 40;
const juce::Rectangle<int> bankBounds { 0, 15, 1200, 200 };
const juce::Point<int> nextArrowPosition { 1170, 5 };
const juce::Point<int> previousArrowPosition { 10, 5 };
} // namespace

BankView::Bank::Bank (const juce::Array<juce::Component*>& itemsIn) : items (itemsIn)
{
    for (int i = 0; i < items.size(); ++i)
    {
        auto* item = items.getUnchecked (i);
        addAndMakeVisible (item);
        item->setTopLeftPosition (firstItemX + i * item->getWidth(), 0);
    }
}

//==============================================================================
BankView::BankView (const juce::String& name, bool withArrows)
{
    setName (name);

    if (withArrows)
    {
        leftBankArrow = makeArrow ("Left Bank Arrow", true);
        rightBankArrow = makeArrow ("Right Bank Arrow", false);
    }
}

// Members go in reverse order: the banks, the views (last first), then the arrows.
BankView::~BankView() = default;

std::unique_ptr<PictureButton> BankView::makeArrow (const juce::String& name, bool pointsRight)
{
    using State = ViewImages::ButtonState;
    auto arrow = std::make_unique<PictureButton> (name);
    arrow->setPictures (ViewImages::bankArrow (pointsRight, State::normal),
                        ViewImages::bankArrow (pointsRight, State::over),
                        ViewImages::bankArrow (pointsRight, State::down));
    addChildComponent (arrow.get());
    arrow->addListener (this);
    arrow->setAlwaysOnTop (true);
    arrow->setWantsKeyboardFocus (false);
    arrow->setMouseClickGrabsKeyboardFocus (false);
    return arrow;
}

void BankView::setItems (const juce::Array<juce::Component*>& newItems)
{
    for (auto* item : newItems)
        items.add (item);

    buildBanks();
}

void BankView::setItemsPerBank (int count)
{
    itemsPerBank = juce::jmax (0, count);
    buildBanks();
}

void BankView::buildBanks()
{
    banks.clear();
    numBanks = 0;

    if (itemsPerBank == 0 || items.isEmpty())
    {
        showCurrentBank();
        return;
    }

    numBanks = (items.size() + itemsPerBank - 1) / itemsPerBank;

    // The last bank holds whatever is left: one to itemsPerBank views.
    for (int first = 0; first < items.size(); first += itemsPerBank)
    {
        juce::Array<juce::Component*> bankItems;

        for (int i = first; i < juce::jmin (first + itemsPerBank, items.size()); ++i)
            bankItems.add (items.getUnchecked (i));

        addChildComponent (banks.add (new Bank (bankItems)));
    }

    currentBank = juce::jlimit (0, numBanks - 1, currentBank);
    showCurrentBank();
}

void BankView::showCurrentBank()
{
    // The focus leaves with the page, from its widgets and from the section's toggle alike:
    // left on the toggle, or handed to it as the first widget left when the page goes, it would
    // let a later Return flip it unseen. An edit being typed is committed.
    if (hasKeyboardFocus (true))
        giveAwayKeyboardFocus();

    for (auto* bank : banks)
    {
        bank->setVisible (false);
        removeChildComponent (bank);
    }

    if (auto* bank = banks[currentBank])
    {
        bank->setBounds (bankBounds);
        bank->setVisible (true);
        addChildComponent (bank);
    }

    const bool showArrows = numBanks >= 2 && leftBankArrow != nullptr && rightBankArrow != nullptr;

    for (auto* arrow : { leftBankArrow.get(), rightBankArrow.get() })
        if (arrow != nullptr)
            arrow->setVisible (showArrows);

    if (showArrows)
    {
        leftBankArrow->setTopLeftPosition (nextArrowPosition);
        rightBankArrow->setTopLeftPosition (previousArrowPosition);
        leftBankArrow->toFront (false);
        rightBankArrow->toFront (false);
    }
}

void BankView::buttonClicked (juce::Button* button)
{
    if (button == leftBankArrow.get() && currentBank + 1 < numBanks)
    {
        ++currentBank;
        showCurrentBank();
    }
    else if (button == rightBankArrow.get() && currentBank > 0)
    {
        --currentBank;
        showCurrentBank();
    }
}

void BankView::showBankOf (int itemIndex)
{
    if (itemsPerBank <= 0 || ! juce::isPositiveAndBelow (itemIndex / itemsPerBank, numBanks))
        return;

    currentBank = itemIndex / itemsPerBank;
    showCurrentBank();
}

void BankView::markItem (int itemIndex)
{
    markedItem = itemIndex;
    repaint();

    // A timer of the view's own ends with it; a detached one would outlive a quit.
    startTimer (markShownMs);
}

void BankView::timerCallback()
{
    stopTimer();
    markedItem = -1;
    repaint();
}

void BankView::paintOverChildren (juce::Graphics& g)
{
    auto* item = items[markedItem];

    if (item == nullptr || ! item->isVisible() || item->getParentComponent() == nullptr
        || ! item->getParentComponent()->isVisible())
        return;

    // White: the views stand on the accent colour.
    g.setColour (juce::Colours::white);
    g.drawRoundedRectangle (getLocalArea (item, item->getLocalBounds()).reduced (2).toFloat(), 6.0f, 2.0f);
}

void BankView::addSectionToggle (std::unique_ptr<juce::Component> toggle, juce::Point<int> position)
{
    sectionToggle = std::move (toggle);
    sectionToggle->setTopLeftPosition (position);
    addAndMakeVisible (sectionToggle.get());
}
