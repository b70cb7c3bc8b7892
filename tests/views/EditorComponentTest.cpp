#include "views/ViewTestSupport.h"

#include "views/EditorComponent.h"
#include "views/MainSectionView.h"
#include "views/Q61ProductProductImageViewSelector.h"
#include "views/TabSelectorButtons.h"

#include <gtest/gtest.h>

namespace
{
class EditorComponentTest : public ::testing::Test
{
protected:
    EditorComponentTest()
        : editor (std::make_unique<TabSelectorButtons>(), std::make_unique<Q61ProductProductImageViewSelector>(),
                  engine.engine, engine.constants.numKnobs, engine.constants.numPads, engine.constants.numSwitches)
    {
    }

    ViewSelector& tabs() const { return *editor.getSelector (0); }
    ViewSelector& product() const { return *editor.getSelector (1); }

    juce::Button& tab (const juce::String& name) const { return *findNamed<juce::Button> (tabs(), name); }
    juce::Button& picture (const juce::String& name) const { return *findNamed<juce::Button> (product(), name); }

    /** Clicks as a user would, and lets the click arrive. */
    static void click (juce::Button& button)
    {
        button.triggerClick();
        deliverPendingMessages();
    }

    int shownView() const
    {
        int shown = -1;

        for (int i = 0; i < EditorComponent::numViews; ++i)
        {
            auto* view = editor.getView (i);

            if (view->isVisible() && view->getParentComponent() == &editor)
            {
                EXPECT_EQ (shown, -1) << "two views shown";
                shown = i;
            }
            else
            {
                EXPECT_EQ (view->getParentComponent(), nullptr) << "hidden view " << i << " is still a child";
            }
        }

        return shown;
    }

    static juce::StringArray pressed (const ViewSelector& selector)
    {
        juce::StringArray names;

        for (auto* button : selector.getButtons())
            if (button->getToggleState())
                names.add (button->getName());

        return names;
    }

    ViewTestEngine engine;
    EditorComponent editor;
};
} // namespace

TEST_F (EditorComponentTest, LaysOutThePictureTheSelectorsAndTheViews)
{
    EXPECT_EQ (editor.getBounds(), juce::Rectangle<int> (0, 0, 1200, 700));
    auto* background = findNamed<juce::ImageComponent> (editor, "Background Image");
    ASSERT_NE (background, nullptr);
    EXPECT_EQ (background->getBounds(), editor.getLocalBounds());

    EXPECT_EQ (tabs().getBounds(), juce::Rectangle<int> (0, 450, 1200, 40));
    EXPECT_EQ (product().getBounds(), juce::Rectangle<int> (25, 50, 1150, 286));

    for (int i = 0; i < EditorComponent::numViews; ++i)
        EXPECT_EQ (editor.getView (i)->getPosition(), juce::Point<int> (0, 490)) << i;

    // Tabs left to right in view order, the two outer ones wider.
    EXPECT_EQ (tabs().getButtons().size(), 9);
    EXPECT_EQ (TabSelectorButtons::buttonNames()[7], "Pitch/Mod Wheel Selector Button");
    int x = 0;

    for (int view = 0; view < 9; ++view)
    {
        auto* button = tabs().getButtonForView (view);
        EXPECT_EQ (button->getName(), TabSelectorButtons::buttonNames()[view]);
        EXPECT_EQ (button->getBounds(), juce::Rectangle<int> (x, 0, view == 0 || view == 8 ? 138 : 132, 40));
        x = button->getRight();
    }

    EXPECT_EQ (picture ("Drum Pad Selector Button").getBounds(), juce::Rectangle<int> (10, 120, 154, 153));
    EXPECT_EQ (picture ("Knob Selector Button").getBounds(), juce::Rectangle<int> (384, 12, 503, 16));
    EXPECT_EQ (picture ("Switches Selector Button").getBounds(), juce::Rectangle<int> (379, 35, 511, 56));
    EXPECT_EQ (picture ("Keybed Selector Button").getBounds(), juce::Rectangle<int> (170, 120, 957, 167));
    EXPECT_EQ (picture ("Wheel Selector Button").getBounds(), juce::Rectangle<int> (30, 10, 63, 85));
    EXPECT_EQ (picture ("Transport Selector Button").getBounds(), juce::Rectangle<int> (200, 56, 152, 35));
    EXPECT_EQ (picture ("Roll Mode Selector Button").getBounds(), juce::Rectangle<int> (278, 56, 23, 15));
    EXPECT_EQ (product().getButtonForView (0), nullptr);
    EXPECT_EQ (product().getButtonForView (8), nullptr);
}

TEST_F (EditorComponentTest, StartsOnTheMainViewWithOnlyTheMainTabPressed)
{
    EXPECT_EQ (shownView(), EditorComponent::mainView);
    EXPECT_NE (dynamic_cast<MainSectionView*> (editor.getView (0)), nullptr);
    EXPECT_EQ (pressed (tabs()), juce::StringArray ("Main View Selector Button"));
    EXPECT_TRUE (pressed (product()).isEmpty());
}

TEST_F (EditorComponentTest, EitherSelectorShowsTheViewAndPressesItsButtonsInBothRows)
{
    click (picture ("Knob Selector Button"));
    EXPECT_EQ (shownView(), EditorComponent::knobView);
    EXPECT_EQ (pressed (tabs()), juce::StringArray ("Knob Selector Button"));
    EXPECT_EQ (pressed (product()), juce::StringArray ("Knob Selector Button"));

    click (tab ("Pitch/Mod Wheel Selector Button"));
    EXPECT_EQ (shownView(), EditorComponent::wheelView);
    EXPECT_EQ (pressed (tabs()), juce::StringArray ("Pitch/Mod Wheel Selector Button"));
    EXPECT_EQ (pressed (product()), juce::StringArray ("Wheel Selector Button"));

    // Every product-picture button selects the view that its tab selects.
    for (auto* button : product().getButtons())
    {
        click (*button);
        const auto shown = shownView();
        EXPECT_EQ (product().getButtonForView (shown), button);
        EXPECT_TRUE (tabs().getButtonForView (shown)->getToggleState());
    }

    // Clicking the selected tab again keeps the same view.
    click (tab ("Drum Pad Selector Button"));
    click (tab ("Drum Pad Selector Button"));
    EXPECT_EQ (shownView(), EditorComponent::padView);
    EXPECT_EQ (pressed (product()), juce::StringArray ("Drum Pad Selector Button"));
}

TEST_F (EditorComponentTest, TheSustainAndMainTabsLeaveThePictureReleased)
{
    click (picture ("Keybed Selector Button"));
    click (tab ("Sustain Selector Button"));
    EXPECT_EQ (shownView(), EditorComponent::sustainView);
    EXPECT_TRUE (pressed (product()).isEmpty());

    click (picture ("Transport Selector Button"));
    click (tab ("Main View Selector Button"));
    EXPECT_EQ (shownView(), EditorComponent::mainView);
    EXPECT_TRUE (pressed (product()).isEmpty());
}

TEST_F (EditorComponentTest, TheRollModeButtonTakesClicksInsideTheTransportArea)
{
    const auto& rollMode = picture ("Roll Mode Selector Button");
    auto* hit = product().getComponentAt (rollMode.getBounds().getCentre());
    ASSERT_EQ (hit, &rollMode);

    click (*dynamic_cast<juce::Button*> (hit));
    EXPECT_EQ (shownView(), EditorComponent::rollModeView);

    // Outside the roll-mode button the transport area is the transport's.
    auto& transport = picture ("Transport Selector Button");
    EXPECT_EQ (product().getComponentAt (transport.getPosition().translated (5, 5)), &transport);
}

TEST_F (EditorComponentTest, TheMainViewOffersItsFourButtonsToOneListener)
{
    auto& mainView = *editor.getView (EditorComponent::mainView);
    const juce::StringArray names { "Get From Hardware", "Send To Hardware", "Save To File", "Load From File" };
    int y = 5;

    for (const auto& name : names)
    {
        auto* button = findNamed<juce::ImageButton> (mainView, name);
        ASSERT_NE (button, nullptr) << name;
        EXPECT_EQ (button->getBounds(), juce::Rectangle<int> (5, y, 249, 35));
        y += 45;
    }

    struct Recorder : juce::Button::Listener
    {
        void buttonClicked (juce::Button* button) override { clicked.add (button->getName()); }
        juce::StringArray clicked;
    } recorder;

    editor.addMainSectionButtonListener (&recorder);
    editor.addMainSectionButtonListener (&recorder);
    click (*findNamed<juce::Button> (mainView, "Save To File"));
    EXPECT_EQ (recorder.clicked, juce::StringArray ("Save To File"));

    for (const auto& name : names)
        findNamed<juce::Button> (mainView, name)->removeListener (&recorder);
}
