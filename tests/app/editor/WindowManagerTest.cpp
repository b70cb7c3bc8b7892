#include "app/AppTestSupport.h"
#include "app/desktop/ScreenFit.h"

#include <gtest/gtest.h>

using namespace AppTestSupport;
using namespace CommandIds;

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
