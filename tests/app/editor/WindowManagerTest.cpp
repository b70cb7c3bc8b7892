#include "app/AppTestSupport.h"
#include "app/desktop/ScreenFit.h"

#include <gtest/gtest.h>

using namespace AppTestSupport;
using namespace CommandIds;

TEST (WindowManager, WindowsShowTheMenuBarNeverReuseNumbersAndCascadeByTheirCount)
{
    ShellHarness harness;
    harness.start();
    harness.invoke (newWindowCommand);
    harness.invoke (newWindowCommand);

    auto& windows = harness.windows();
    ASSERT_EQ (windows.getNumWindows(), 3);

    for (int n = 0; n < 3; ++n)
    {
        auto* bar = dynamic_cast<juce::MenuBarComponent*> (windows.getWindow (n)->getMenuBarComponent());
        EXPECT_TRUE (bar != nullptr && bar->getModel() == &harness.shell->getMenuModel());
    }

    // Closing "Untitled 3" and opening another: the place is taken from the count of open
    // windows, the number is new.
    windows.getWindow (2)->closeWindow();
    ASSERT_EQ (windows.getNumWindows(), 2);
    harness.invoke (newWindowCommand);
    EXPECT_EQ (windows.getWindow (2)->getName(), "Kavori QX61 Editor - Untitled 4");
    EXPECT_EQ (windows.getWindow (2)->getScreenPosition(), juce::Point<int> (45, 90));
}

TEST (WindowManager, CloseWindowClosesItsWindowAndTheLastOneQuitsAsQuitDoes)
{
    ShellHarness harness;
    auto* first = harness.start();
    harness.invoke (newWindowCommand);
    harness.invoke (aboutCommand);

    juce::ApplicationCommandTarget::InvocationInfo info (closeWindowCommand);
    EXPECT_TRUE (first->perform (info));
    ASSERT_EQ (harness.windows().getNumWindows(), 1);
    EXPECT_EQ (harness.windows().getWindow (0)->getName(), "Kavori QX61 Editor - Untitled 2");

    // The application lists it too but leaves it to the editor window.
    EXPECT_TRUE (harness.shell->perform (info));
    EXPECT_EQ (harness.windows().getNumWindows(), 1);
    dispatchUntil ([] { return false; }, 50);
    EXPECT_EQ (harness.quitRequests, 0);

    harness.windows().getWindow (0)->closeWindow();
    ASSERT_TRUE (dispatchUntil ([&] { return harness.quitRequests == 1; }));
    EXPECT_EQ (harness.windows().getNumWindows(), 0);
    EXPECT_EQ (harness.shell->getAboutWindow(), nullptr);
}

TEST (WindowManager, AboutAndDeviceSetupOpenOnceAClickClosesAboutAndQuitDeletesThemFirst)
{
    ShellHarness harness;
    harness.start();

    harness.invoke (aboutCommand);
    auto* about = harness.shell->getAboutWindow();
    ASSERT_NE (about, nullptr);
    harness.invoke (aboutCommand);
    EXPECT_EQ (harness.shell->getAboutWindow(), about);

    // A click on the about window closes it and allows a new one.
    clickOn (*about->getContentComponent());
    ASSERT_TRUE (dispatchUntil ([&] { return harness.shell->getAboutWindow() == nullptr; }));
    harness.invoke (aboutCommand);
    EXPECT_NE (harness.shell->getAboutWindow(), nullptr);

    harness.invoke (deviceSetupCommand);
    auto* setup = harness.shell->getDeviceManagerWindow();
    ASSERT_NE (setup, nullptr);
    harness.invoke (deviceSetupCommand);
    EXPECT_EQ (harness.shell->getDeviceManagerWindow(), setup);

    harness.invoke (quitCommand);
    EXPECT_EQ (harness.shell->getAboutWindow(), nullptr);
    EXPECT_EQ (harness.shell->getDeviceManagerWindow(), nullptr);
    EXPECT_EQ (harness.quitRequests, 1);
}

TEST (WindowManager, AMissingUserGuideIsReportedWithItsPath)
{
    ShellHarness harness;
    const auto locations = harness.shell->userGuideLocations();
    ASSERT_FALSE (locations.isEmpty());

    for (const auto& guide : locations)
        if (guide.existsAsFile())
            GTEST_SKIP() << "a user guide is installed here";

    harness.invoke (openUserGuideCommand);
    EXPECT_EQ (harness.alerts.only(),
               "Kavori QX61 Editor: Unable to find User Guide: \r\n" + locations[0].getFullPathName());
}

TEST (ScreenFit, AWindowThatDoesNotFitMovesUpAndOnlyThenShrinks)
{
    const juce::Rectangle<int> editor (15, 60, 1200, 724);
    const juce::BorderSize<int> noFrame, titleBar (30, 0, 0, 0);
    const struct
    {
        juce::Rectangle<int> workArea;
        juce::BorderSize<int> frame;
        ScreenFit::Placement expected;
    } cases[] = {
        { { 0, 0, 1920, 1200 }, titleBar, { { 15, 60 }, 1.0f } },         // fits: as specified
        { { 0, 0, 1366, 768 }, noFrame, { { 15, 44 }, 1.0f } },           // higher
        { { 0, 0, 1366, 768 }, titleBar, { { 15, 44 }, 1.0f } },          // higher, title bar on screen
        { { 0, 27, 1366, 741 }, noFrame, { { 15, 44 }, 1.0f } },          // below a panel
        { { 0, 0, 1024, 600 }, noFrame, { { 15, 0 }, 600.0f / 724.0f } }, // scaled, aspect kept
        { { 0, 0, 1024, 600 }, titleBar, { { 15, 30 }, 570.0f / 724.0f } },
    };

    for (const auto& c : cases)
    {
        const auto placement = ScreenFit::fit (editor, c.frame, c.workArea);
        EXPECT_EQ (placement.topLeft, c.expected.topLeft) << c.workArea.toString();
        EXPECT_FLOAT_EQ (placement.scale, c.expected.scale) << c.workArea.toString();
    }
}

TEST (ScreenFit, AWindowMovedOffTheWorkAreaIsFittedBack)
{
    // As when the window manager places or frames a window after the first fit.
    ShellHarness harness;
    auto* window = harness.start();
    const auto area = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay()->userArea;
    window->setTopLeftPosition (30, area.getBottom() - 100);
    EXPECT_LE (window->getScreenBounds().getBottom(), area.getBottom());
    EXPECT_EQ (window->getScreenX(), 30);
}
