#include "engine/EditHistory.h"

#include <gtest/gtest.h>

namespace
{
EditHistory::Bytes bytes (std::initializer_list<juce::uint8> values)
{
    return EditHistory::Bytes (values.begin(), static_cast<int> (values.size()));
}
} // namespace

// The long editing scenarios never reach the cap or undo past the first step.
TEST (EditHistoryTest, UndoAndRedoWalkTheStepsBothWaysAndANewEditDropsWhatCouldBeRedone)
{
    EditHistory history;
    EditHistory::Bytes restored;
    EXPECT_FALSE (history.undo (bytes ({ 0 }), restored) || history.redo (bytes ({ 0 }), restored));

    history.record (bytes ({ 0 }));
    history.record (bytes ({ 1 }));
    ASSERT_TRUE (history.undo (bytes ({ 2 }), restored));
    EXPECT_EQ (restored, bytes ({ 1 }));
    ASSERT_TRUE (history.undo (bytes ({ 1 }), restored));
    EXPECT_EQ (restored, bytes ({ 0 }));
    EXPECT_FALSE (history.canUndo());

    ASSERT_TRUE (history.redo (bytes ({ 0 }), restored));
    EXPECT_EQ (restored, bytes ({ 1 }));
    history.record (bytes ({ 1 }));
    EXPECT_FALSE (history.canRedo());
    ASSERT_TRUE (history.undo (bytes ({ 3 }), restored));
    EXPECT_EQ (restored, bytes ({ 1 }));
    ASSERT_TRUE (history.undo (bytes ({ 1 }), restored));
    EXPECT_EQ (restored, bytes ({ 0 }));
}

TEST (EditHistoryTest, KeepsTheNewestStepsAndCountsAnEditTakenBackAsClean)
{
    EditHistory history;
    for (int i = 0; i < EditHistory::maximumSteps + 5; ++i)
        history.record (bytes ({ static_cast<juce::uint8> (i % 128), static_cast<juce::uint8> (i / 128) }));

    EditHistory::Bytes restored;
    int steps = 0;
    while (history.undo (bytes ({}), restored))
        ++steps;

    EXPECT_EQ (steps, EditHistory::maximumSteps);
    EXPECT_EQ (restored, bytes ({ 5, 0 })) << "the oldest steps went first";

    history.markClean (bytes ({ 7 }));
    EXPECT_TRUE (history.isEdited (bytes ({ 8 })));
    EXPECT_FALSE (history.isEdited (bytes ({ 7 })));
}
