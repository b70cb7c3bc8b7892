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
    int count() const { return root.getNumberOfChildFiles (juce::File::findFilesAndDirectories); }

    juce::File root = juce::File::createTempFile ("recovery");
};
} // namespace

// What a running editor keeps is never offered to another; once it has ended, its latest entries
// come back whole, with their files and titles, and are gone once taken. A quit leaves nothing.
TEST (RecoveryStoreTest, OffersTheLatestEntriesOfEndedEditorsOnly)
{
    RecoveryFolder folder;
    const juce::File gig ("/home/user/gig.qx6");
    auto running = std::make_unique<RecoveryStore> (folder.root);
    RecoveryStore next (folder.root);

    for (const RecoveryStore::Entry& entry : { RecoveryStore::Entry { "a", bytes (10), gig, "gig" },
                                               { "a", bytes (11), gig, "gig" },
                                               { "b", bytes (20), {}, "Untitled 2" },
                                               { "c", bytes (30), {}, "Untitled 3" } })
        ASSERT_TRUE (running->write (entry).wasOk());
    running->remove ("c");
    EXPECT_TRUE (next.findLeftBehind (presetLength).empty());

    running.reset();
    auto found = next.findLeftBehind (presetLength);
    std::sort (found.begin(), found.end(), [] (const auto& x, const auto& y) { return x.id < y.id; });
    ASSERT_EQ (found.size(), 2u);
    EXPECT_EQ (std::tie (found[0].preset, found[0].documentFile, found[0].title),
               std::make_tuple (bytes (11), gig, "gig"));
    EXPECT_EQ (std::tie (found[1].preset, found[1].documentFile, found[1].title),
               std::make_tuple (bytes (20), juce::File(), "Untitled 2"));

    next.forgetLeftBehind();
    EXPECT_EQ (folder.count(), 0);
    ASSERT_TRUE (next.write ({ "d", bytes (40), {}, "Untitled 4" }).wasOk());
    next.removeAll();
    EXPECT_EQ (folder.count(), 0);
}

// A damaged entry is skipped, never taken for a preset, and left on disk; the whole one beside it
// is still offered and taken.
TEST (RecoveryStoreTest, SkipsDamagedEntriesAndKeepsThem)
{
    const std::function<void (const juce::File& preset, const juce::File& note)> damages[] = {
        [] (auto&, auto& note) { note.deleteFile(); },
        [] (auto& preset, auto&) { preset.deleteFile(); },
        [] (auto& preset, auto&) { preset.replaceWithText ("short"); },
        [] (auto&, auto& note) { note.replaceWithText ("{ title"); },
        [] (auto&, auto& note) { note.replaceWithText ("{\"file\": \"\"}"); },
        [] (auto&, auto& note) { note.replaceWithText ("{\"file\": \"relative.qx6\", \"title\": \"a\"}"); },
    };

    for (const auto& damage : damages)
    {
        SCOPED_TRACE (&damage - damages);
        RecoveryFolder folder;
        {
            RecoveryStore ended (folder.root);
            ASSERT_TRUE (ended.write ({ "whole", bytes (1), {}, "Untitled 1" }).wasOk());
            ASSERT_TRUE (ended.write ({ "damaged", bytes (2), {}, "Untitled 2" }).wasOk());
        }
        const auto session = folder.root.findChildFiles (juce::File::findDirectories, false).getFirst();
        damage (session.getChildFile ("damaged.qx6"), session.getChildFile ("damaged.note"));
        const auto damagedFiles = session.getNumberOfChildFiles (juce::File::findFiles, "damaged.*");

        RecoveryStore next (folder.root);
        const auto found = next.findLeftBehind (presetLength);
        ASSERT_EQ (found.size(), 1u);
        EXPECT_EQ (found[0].id, "whole");
        next.forgetLeftBehind();
        EXPECT_EQ (session.getNumberOfChildFiles (juce::File::findFiles, "damaged.*"), damagedFiles);
        EXPECT_EQ (session.getNumberOfChildFiles (juce::File::findFiles, "whole.*"), 0);
    }
}
