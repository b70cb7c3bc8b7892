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

    juce::Button& tab (const juce::String& name) const { return named<juce::Button> (tabs(), name); }
    juce::Button& picture (const juce::String& name) const { return named<juce::Button> (product(), name); }

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

    TestEngine engine;
    EditorComponent editor;
};
} // namespace

TEST_F (EditorComponentTest, LaysOutThePictureTheSelectorsAndTheViews)
{
    EXPECT_EQ (editor.getBounds(), juce::Rectangle<int> (0, 0, 1200, 700));
    EXPECT_EQ (named<juce::ImageComponent> (editor, "Background Image").getBounds(), editor.getLocalBounds());
    EXPECT_EQ (product().getBounds(), juce::Rectangle<int> (25, 50, 1150, 286));
    EXPECT_EQ (tabs().getBounds(), juce::Rectangle<int> (0, 450, 1200, 40));

    // Tabs side by side in view order, the two outer ones wider; every view below them.
    int x = 0;

    for (int view = 0; view < EditorComponent::numViews; ++view)
    {
        const auto tabBounds = tabs().getButtonForView (view)->getBounds();
        EXPECT_EQ (tabBounds, juce::Rectangle<int> (x, 0, view == 0 || view == 8 ? 138 : 132, 40));
        EXPECT_EQ (editor.getView (view)->getPosition(), tabs().getBounds().getBottomLeft());
        x = tabBounds.getRight();
    }
}

TEST_F (EditorComponentTest, EitherSelectorShowsTheViewAndPressesItsButtonsInBothRows)
{
    EXPECT_EQ (shownView(), EditorComponent::mainView);
    EXPECT_NE (dynamic_cast<MainSectionView*> (editor.getView (0)), nullptr);
    EXPECT_EQ (pressed (tabs()), juce::StringArray ("Main View Selector Button"));
    EXPECT_TRUE (pressed (product()).isEmpty());

    // Each picture button presses the tab of its name (the wheels' tab names both wheels).
    for (auto* button : product().getButtons())
    {
        click (*button);
        const auto shown = shownView();
        const auto name = button->getName();
        EXPECT_EQ (product().getButtonForView (shown), button);
        EXPECT_EQ (pressed (product()), juce::StringArray (name));
        EXPECT_EQ (pressed (tabs()),
                   juce::StringArray (name == "Wheel Selector Button" ? "Pitch/Mod Wheel Selector Button" : name));
    }

    // Each tab presses its picture button, and releases the picture where it has none (main, sustain).
    for (auto* button : tabs().getButtons())
    {
        click (*button);
        const auto shown = shownView();
        auto* pictureButton = product().getButtonForView (shown);
        EXPECT_EQ (tabs().getButtonForView (shown), button);
        EXPECT_EQ (pressed (tabs()), juce::StringArray (button->getName()));
        EXPECT_EQ (pressed (product()),
                   pictureButton != nullptr ? juce::StringArray (pictureButton->getName()) : juce::StringArray());
    }

    // Clicking the selected tab again keeps the same view.
    click (tab ("Drum Pad Selector Button"));
    click (tab ("Drum Pad Selector Button"));
    EXPECT_EQ (shownView(), EditorComponent::padView);
    EXPECT_EQ (pressed (product()), juce::StringArray ("Drum Pad Selector Button"));
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

    for (const auto& name : names)
        ASSERT_NE (findNamed<juce::ImageButton> (mainView, name), nullptr) << name;
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
