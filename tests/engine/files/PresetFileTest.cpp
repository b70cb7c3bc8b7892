#include "engine/files/PresetFile.h"
#include "engine/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace EngineTestSupport;

namespace
{
struct PresetFileTest : public ::testing::Test
{
    PresetFileTest() { engine->applyPreset (constants.messageAround (constants.distinctData())); }

    QX61Constants constants;
    KeyboardLink keyboard { std::make_shared<VirtualMidiPortLayer>() };
    QXEditorEngine::Ptr engine = constants.makeEngine (keyboard);
    TemporaryFolder temp;
};

juce::String reasonFor (const juce::Result& result)
{
    return result.getErrorMessage().fromLastOccurrenceOf (": ", false, false);
}
} // namespace

TEST_F (PresetFileTest, ASaveReplacesAnOldFileWholeAndLoadsIntoANewEngineWithEveryParameter)
{
    const auto file = temp.fileWith ("preset.qx6", zeros (1000));
    ASSERT_TRUE (engine->savePresetFile (file));
    EXPECT_EQ (temp.folder.getNumberOfChildFiles (juce::File::findFilesAndDirectories, "*"), 1)
        << "no temporary file left behind";

    const auto saved = contentsOf (file);
    ASSERT_EQ (saved, engine->buildPresetMessage (0));
    ASSERT_EQ (saved.size(), 476);
    EXPECT_EQ (Bytes (saved.begin(), 10), (Bytes { 0xF0, 0x00, 0x7E, 0x2A, 0x00, 0x40, 0x61, 0x03, 0x51, 0x00 }));
    EXPECT_EQ (saved.getLast(), 0xF7);

    auto other = constants.makeEngine (keyboard);
    ModelReports reports (*other);
    ASSERT_TRUE (other->loadPresetFile (file));
    EXPECT_TRUE (reports.everyControlReportedOnce());

    EXPECT_EQ (other->getModel().collectData(), constants.distinctData());
}

TEST_F (PresetFileTest, ContentsAreNotValidated)
{
    ModelReports reports (*engine);
    ASSERT_TRUE (engine->loadPresetFile (temp.fileWith ("zeros.qx6", zeros (476))));
    EXPECT_TRUE (reports.everyControlReportedOnce());
    engine->getModel().forEachControl ([] (int, const Control& control) {
        for (const auto& name : control.getParameterNames())
            EXPECT_EQ (control.getParameter (name), 0) << name;
    });

    // A byte no parameter allows is stored as it is, and saved back as it is.
    auto data = constants.distinctData();
    const auto knobChannel = constants.model.getLayout().knobOffset (0) + 1;
    data.set (knobChannel, 200);
    ASSERT_TRUE (engine->loadPresetFile (temp.fileWith ("wild.qx6", constants.messageAround (data))));
    EXPECT_EQ (engine->getModel().collectData()[knobChannel], 200);

    const auto resaved = temp.file ("resaved.qx6");
    ASSERT_TRUE (engine->savePresetFile (resaved));
    EXPECT_EQ (contentsOf (resaved)[PresetLayout::messageOffset (knobChannel)], 200);
}

// Refused files leave the model and any file in the way as they were.
TEST_F (PresetFileTest, RefusalsSayWhy)
{
    ModelReports reports (*engine);
    const auto plain = temp.fileWith ("file.qx6", zeros (476));
    temp.file ("folder.qx6").createDirectory();
    mkfifo (temp.file ("fifo.qx6").getFullPathName().toRawUTF8(), 0600);
    temp.fileWith ("short.qx6", zeros (475));
    temp.fileWith ("long.qx6", zeros (477));

    const std::tuple<juce::File, const char*, const char*> cases[] {
        // file, refusal to read, to save
        { temp.file ("missing.qx6"), "No such file or directory", nullptr },
        { temp.file ("missing/x.qx6"), "No such file or directory", "No such file or directory" },
        { plain.getChildFile ("x.qx6"), "Not a directory", "Not a directory" },
        { temp.file ("folder.qx6"), "is a directory", "is a directory" },
        { temp.file ("fifo.qx6"), "not a regular file", "not a regular file" },
        { juce::File ("/dev/zero"), "not a regular file", "not a regular file" },
        { temp.file ("short.qx6"), "is 475 bytes; a preset file has 476", nullptr },
        { temp.file ("long.qx6"), "larger than 476 bytes", nullptr },
    };

    for (const auto& [file, reading, saving] : cases)
    {
        SCOPED_TRACE (file.getFullPathName());
        PresetFile::Bytes read;
        EXPECT_EQ (reasonFor (PresetFile (file).read (476, read)), reading);
        EXPECT_FALSE (engine->loadPresetFile (file));

        if (saving != nullptr)
        {
            EXPECT_EQ (reasonFor (PresetFile (file).save (zeros (476))), saving);
            EXPECT_FALSE (engine->savePresetFile (file));
        }
    }

    EXPECT_EQ (contentsOf (plain), zeros (476));
    EXPECT_TRUE (temp.file ("folder.qx6").isDirectory());
    EXPECT_EQ (engine->getModel().collectData(), constants.distinctData());
    EXPECT_EQ (reports.total(), 0);

    // Root reads whatever the permissions say.
    const auto locked = temp.fileWith ("locked.qx6", zeros (476));
    chmod (locked.getFullPathName().toRawUTF8(), 0);
    EXPECT_EQ (engine->loadPresetFile (locked), juce::FileInputStream (locked).openedOk());
}
