#include "engine/files/RecoveryStore.h"

#include <gtest/gtest.h>

namespace
{
constexpr int presetLength = 4;

PresetFile::Bytes bytes (juce::uint8 first)
{
    return { first, 1, 2, 3 };
}

struct RecoveryFolder
{
    RecoveryFolder() { root.createDirectory(); }
    ~RecoveryFolder() { root.deleteRecursively(); }

    juce::File root = juce::File::createTempFile ("recovery");
};
} // namespace

// What a running editor keeps is never offered to another; once it has ended, its latest entries
// come back whole, with their files and titles, and are gone once taken.
TEST (RecoveryStoreTest, OffersTheLatestEntriesOfEndedEditorsOnly)
{
    RecoveryFolder folder;
    const juce::File gig ("/home/user/gig.qx6");
    auto running = std::make_unique<RecoveryStore> (folder.root);
    RecoveryStore next (folder.root);

    ASSERT_TRUE (running->write ({ "a", bytes (10), gig, "gig" }).wasOk());
    ASSERT_TRUE (running->write ({ "a", bytes (11), gig, "gig" }).wasOk());
    ASSERT_TRUE (running->write ({ "b", bytes (20), {}, "Untitled 2" }).wasOk());
    ASSERT_TRUE (running->write ({ "c", bytes (30), {}, "Untitled 3" }).wasOk());
    running->remove ("c");
    EXPECT_TRUE (next.findLeftBehind (presetLength).empty());

    running.reset();
    auto found = next.findLeftBehind (presetLength);
    std::sort (found.begin(), found.end(), [] (const auto& x, const auto& y) { return x.id < y.id; });

    ASSERT_EQ (found.size(), 2u);
    EXPECT_EQ (found[0].preset, bytes (11));
    EXPECT_EQ (found[0].documentFile, gig);
    EXPECT_EQ (found[0].title, "gig");
    EXPECT_EQ (found[1].preset, bytes (20));
    EXPECT_EQ (found[1].documentFile, juce::File());
    EXPECT_EQ (found[1].title, "Untitled 2");

    next.forgetLeftBehind();
    EXPECT_TRUE (RecoveryStore (folder.root).findLeftBehind (presetLength).empty());
    EXPECT_EQ (folder.root.getNumberOfChildFiles (juce::File::findFilesAndDirectories), 0);
}

TEST (RecoveryStoreTest, AQuitRemovesItsOwnEntries)
{
    RecoveryFolder folder;
    {
        RecoveryStore store (folder.root);
        ASSERT_TRUE (store.write ({ "a", bytes (1), {}, "Untitled 1" }).wasOk());
        store.removeAll();
    }
    EXPECT_EQ (folder.root.getNumberOfChildFiles (juce::File::findFilesAndDirectories), 0);
}

// A damaged entry is skipped, never taken for a preset, and left on disk; the whole one beside it
// is still offered.
TEST (RecoveryStoreTest, SkipsDamagedEntriesAndKeepsThem)
{
    const struct
    {
        const char* what;
        std::function<void (const juce::File& preset, const juce::File& note)> damage;
    } cases[] = {
        { "note missing", [] (auto&, auto& note) { note.deleteFile(); } },
        { "preset missing", [] (auto& preset, auto&) { preset.deleteFile(); } },
        { "preset too short", [] (auto& preset, auto&) { preset.replaceWithText ("ab"); } },
        { "note not JSON", [] (auto&, auto& note) { note.replaceWithText ("{ title"); } },
        { "note without title", [] (auto&, auto& note) { note.replaceWithText ("{\"file\": \"\"}"); } },
        { "relative file",
          [] (auto&, auto& note) { note.replaceWithText ("{\"file\": \"a.qx6\", \"title\": \"a\"}"); } },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        RecoveryFolder folder;
        {
            RecoveryStore ended (folder.root);
            ASSERT_TRUE (ended.write ({ "whole", bytes (1), {}, "Untitled 1" }).wasOk());
            ASSERT_TRUE (ended.write ({ "damaged", bytes (2), {}, "Untitled 2" }).wasOk());
        }
        const auto session = folder.root.findChildFiles (juce::File::findDirectories, false).getFirst();
        c.damage (session.getChildFile ("damaged.qx6"), session.getChildFile ("damaged.note"));

        RecoveryStore next (folder.root);
        const auto found = next.findLeftBehind (presetLength);
        ASSERT_EQ (found.size(), 1u);
        EXPECT_EQ (found[0].id, "whole");

        const auto damaged = session.getNumberOfChildFiles (juce::File::findFiles, "damaged.*");
        next.forgetLeftBehind();
        EXPECT_EQ (session.getNumberOfChildFiles (juce::File::findFiles, "damaged.*"), damaged);
        EXPECT_EQ (session.getNumberOfChildFiles (juce::File::findFiles, "whole.*"), 0);
    }
}
