#include "engine/EditHistory.h"

#include <gtest/gtest.h>

namespace
{
EditHistory::Bytes bytes (std::initializer_list<juce::uint8> values)
{
    return EditHistory::Bytes (values.begin(), static_cast<int> (values.size()));
}

const juce::File fileA ("/presets/a.qx6"), fileB ("/presets/b.qx6");
} // namespace

// The long editing scenarios never reach the cap or undo past the first step.
TEST (EditHistoryTest, UndoAndRedoWalkTheStepsBothWaysWithTheirFilesAndANewEditDropsTheRedo)
{
    EditHistory history;
    EditHistory::Step restored;
    EXPECT_FALSE (history.undo (bytes ({ 0 }), {}, restored) || history.redo (bytes ({ 0 }), {}, restored));

    history.record ({ bytes ({ 0 }), fileA }); // a load of b.qx6 over a.qx6's preset
    history.record ({ bytes ({ 1 }), {} });    // an edit
    ASSERT_TRUE (history.undo (bytes ({ 2 }), fileB, restored));
    EXPECT_EQ (restored.data, bytes ({ 1 }));
    EXPECT_FALSE (restored.file.has_value()) << "an edit leaves the file as it is";
    ASSERT_TRUE (history.undo (bytes ({ 1 }), fileB, restored));
    EXPECT_EQ (restored.data, bytes ({ 0 }));
    EXPECT_EQ (restored.file, fileA);
    EXPECT_FALSE (history.canUndo());

    ASSERT_TRUE (history.redo (bytes ({ 0 }), fileA, restored));
    EXPECT_EQ (restored.data, bytes ({ 1 }));
    EXPECT_EQ (restored.file, fileB) << "redoing the load brings its file back";
    history.record ({ bytes ({ 1 }), {} });
    EXPECT_FALSE (history.canRedo());
    ASSERT_TRUE (history.undo (bytes ({ 3 }), fileB, restored));
    EXPECT_EQ (restored.data, bytes ({ 1 }));
}

TEST (EditHistoryTest, KeepsTheNewestStepsAndCountsAnEditTakenBackAsClean)
{
    EditHistory history;
    for (int i = 0; i < EditHistory::maximumSteps + 5; ++i)
        history.record ({ bytes ({ static_cast<juce::uint8> (i % 128), static_cast<juce::uint8> (i / 128) }), {} });

    EditHistory::Step restored;
    int steps = 0;
    while (history.undo (bytes ({}), {}, restored))
        ++steps;

    EXPECT_EQ (steps, EditHistory::maximumSteps);
    EXPECT_EQ (restored.data, bytes ({ 5, 0 })) << "the oldest steps went first";

    history.markClean (bytes ({ 7 }));
    EXPECT_TRUE (history.isEdited (bytes ({ 8 })));
    EXPECT_FALSE (history.isEdited (bytes ({ 7 })));
}
