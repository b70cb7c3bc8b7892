#include "views/ViewTestSupport.h"

#include "views/controls/GenericControlView.h"
#include "views/sections/BankView.h"
#include "views/sections/KnobBank.h"

#include <gtest/gtest.h>

namespace
{
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
