#include "views/ViewTestSupport.h"

#include "views/BankView.h"
#include "views/GenericControlView.h"
#include "views/KnobBank.h"
#include "views/ModWheelView.h"
#include "views/PitchWheelView.h"
#include "views/TransportBank.h"
#include "views/WheelBank.h"

#include <gtest/gtest.h>

namespace
{
/** The titles of the shown control views. */
juce::StringArray shownTitles (const BankView& bank)
{
    juce::StringArray titles;

    for (auto* item : bank.getShownBank()->getItems())
        titles.add (dynamic_cast<GenericControlView&> (*item).getTitle());

    return titles;
}

void step (BankView& bank, bool forward)
{
    bank.buttonClicked (forward ? bank.getLeftBankArrow() : bank.getRightBankArrow());
}

bool arrowsShown (const BankView& bank)
{
    return bank.getLeftBankArrow()->isVisible() && bank.getRightBankArrow()->isVisible();
}
} // namespace

TEST (BankViewTest, PagesStepWithoutWrappingAround)
{
    TestEngine engine;
    KnobBank knobs (engine.engine, 16);
    EXPECT_EQ (knobs.getNumBanks(), 4);
    EXPECT_EQ (shownTitles (knobs), juce::StringArray ({ "Knob 1", "Knob 2", "Knob 3", "Knob 4" }));

    // Back from the first bank and on from the last one stay there.
    const std::pair<bool, int> steps[] = { { false, 0 }, { true, 1 }, { true, 2 },
                                           { true, 3 },  { true, 3 }, { false, 2 } };

    for (const auto& [forward, expected] : steps)
    {
        step (knobs, forward);
        EXPECT_EQ (knobs.getCurrentBank(), expected);
        EXPECT_TRUE (arrowsShown (knobs));
        EXPECT_EQ (shownTitles (knobs)[0], "Knob " + juce::String (4 * expected + 1));
    }

    EXPECT_EQ (shownTitles (knobs), juce::StringArray ({ "Knob 9", "Knob 10", "Knob 11", "Knob 12" }));

    // Only the shown bank is a child.
    EXPECT_EQ (findAll<BankView::Bank> (knobs), juce::Array<BankView::Bank*> (knobs.getShownBank()));

    // An arrow click arrives through the button as for a user.
    knobs.getRightBankArrow()->triggerClick();
    deliverPendingMessages();
    EXPECT_EQ (knobs.getCurrentBank(), 1);
}

// Which sections have banks and toggles, and how many, the editor's binding tests count; here the order.
TEST (BankViewTest, TransportAndWheelViewsStandInTheKeyboardsOrder)
{
    TestEngine engine;
    TransportBank transport (engine.engine);
    WheelBank wheels (engine.engine);

    juce::StringArray titles;

    for (auto* item : transport.getItems())
        titles.add (findAll<juce::Label> (*item)[0]->getText());

    EXPECT_EQ (titles.joinIntoString (", "), "Rewind, Fast Forward, Stop, Play, Loop, Record");

    const auto wheelViews = wheels.getShownBank()->getItems();
    ASSERT_EQ (wheelViews.size(), 2);
    EXPECT_NE (dynamic_cast<ModWheelView*> (wheelViews[0]), nullptr);
    EXPECT_NE (dynamic_cast<PitchWheelView*> (wheelViews[1]), nullptr);
}

TEST (BankViewTest, TheLastBankHoldsWhatIsLeftAndAnEmptyViewShowsNothing)
{
    TestEngine engine;
    KnobBank five (engine.engine, 5);
    EXPECT_EQ (five.getNumBanks(), 2);
    step (five, true);
    EXPECT_EQ (shownTitles (five), juce::StringArray ("Knob 5"));

    // Changing the count rebuilds the banks and keeps the page within them.
    five.setItemsPerBank (5);
    EXPECT_EQ (five.getNumBanks(), 1);
    EXPECT_EQ (five.getCurrentBank(), 0);
    EXPECT_EQ (shownTitles (five).size(), 5);
    EXPECT_FALSE (arrowsShown (five));

    // Without items or a count there is no bank: nothing shows, not even the arrows, which do nothing.
    KnobBank noItems (engine.engine, 0), noCount (engine.engine, 3);
    noCount.setItemsPerBank (0);

    for (auto* bank : { &noItems, &noCount })
    {
        step (*bank, true);
        step (*bank, false);
        EXPECT_EQ (bank->getCurrentBank(), 0);
        EXPECT_EQ (bank->getShownBank(), nullptr);
        EXPECT_FALSE (bank->getLeftBankArrow()->isVisible() || bank->getRightBankArrow()->isVisible());
    }

    // Without a bank, the views are not shown anywhere.
    EXPECT_EQ (noCount.getItems()[0]->getParentComponent(), nullptr);
}
