#include "engine/files/FileAccess.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

// Each refusal must name its reason and none may block: a FIFO opened for reading would wait
// for a writer forever.
TEST (FileAccessTest, ReadsOnlyRegularFilesWithinTheLimitAndSaysWhyNot)
{
    const juce::TemporaryFile folderName;
    const auto folder = folderName.getFile();
    ASSERT_TRUE (folder.createDirectory());
    const auto small = folder.getChildFile ("small");
    ASSERT_TRUE (small.replaceWithText ("1234"));
    const auto fifo = folder.getChildFile ("fifo");
    ASSERT_EQ (mkfifo (fifo.getFullPathName().toRawUTF8(), 0600), 0);

    const std::tuple<juce::File, std::size_t, const char*> cases[] = {
        // file, limit, refusal ("" reads)
        { small, 4, "" },
        { small, 3, "larger than 3 bytes" },
        { folder, 100, FileAccess::isDirectory },
        { fifo, 100, FileAccess::notRegular },
        { folder.getChildFile ("missing"), 100, "No such file or directory" },
    };

    for (const auto& [file, limit, reason] : cases)
    {
        std::string contents;
        const auto result = FileAccess::readRegular (file, limit, contents);
        EXPECT_EQ (result.wasOk(), juce::String (reason).isEmpty()) << result.getErrorMessage();
        EXPECT_TRUE (result.getErrorMessage().contains (reason)) << result.getErrorMessage();
        EXPECT_TRUE (! result.wasOk() || contents == "1234") << file.getFileName();
    }

    folder.deleteRecursively();
}

TEST (FileAccessTest, FollowsLinksToTheirLastTargetAndChecksWritingThere)
{
    const juce::TemporaryFile folderName;
    const auto folder = folderName.getFile();
    ASSERT_TRUE (folder.createDirectory());
    const auto locked = folder.getChildFile ("locked");
    ASSERT_TRUE (locked.createDirectory());
    const auto target = locked.getChildFile ("preset.qx6");
    const auto inner = folder.getChildFile ("inner");
    const auto outer = folder.getChildFile ("outer");
    ASSERT_EQ (symlink (target.getFullPathName().toRawUTF8(), inner.getFullPathName().toRawUTF8()), 0);
    ASSERT_EQ (symlink ("inner", outer.getFullPathName().toRawUTF8()), 0);

    EXPECT_EQ (FileAccess::resolveLinks (outer), target) << "a link to a file not there yet";
    EXPECT_TRUE (FileAccess::checkWritable (outer).wasOk());

    // Root may write anywhere, so only an unprivileged run can see the refusal.
    chmod (locked.getFullPathName().toRawUTF8(), 0500);
    if (geteuid() != 0)
    {
        EXPECT_TRUE (FileAccess::checkWritable (outer).getErrorMessage().contains ("Permission denied"));
    }

    chmod (locked.getFullPathName().toRawUTF8(), 0700);
    folder.deleteRecursively();
}
