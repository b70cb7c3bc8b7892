#include "EngineTestSupport.h"
#include "engine/PresetFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace EngineTestSupport;

namespace
{
struct PresetFileTest : public ::testing::Test
{
    PresetFileTest()
    {
        engine->applyPreset (constants.messageAround (constants.distinctData()));
    }

    QX61Constants constants;
    MidiManager midiManager { std::make_shared<VirtualMidiPortLayer>() };
    QXEditorEngine::Ptr engine = constants.makeEngine (midiManager);
    TemporaryFolder temp;
};

/** Lets no file of this process grow beyond a few bytes, as a full disk would. */
struct FileSizeLimit
{
    explicit FileSizeLimit (rlim_t bytes)
    {
        getrlimit (RLIMIT_FSIZE, &saved);
        previousHandler = std::signal (SIGXFSZ, SIG_IGN);
        auto limited = saved;
        limited.rlim_cur = bytes;
        setrlimit (RLIMIT_FSIZE, &limited);
    }

    ~FileSizeLimit()
    {
        setrlimit (RLIMIT_FSIZE, &saved);
        std::signal (SIGXFSZ, previousHandler);
    }

    rlimit saved {};
    void (*previousHandler) (int) = nullptr;
};
} // namespace

TEST_F (PresetFileTest, SavedFileLoadsIntoANewEngineWithEveryParameter)
{
    const auto file = temp.file ("preset.qx6");
    ASSERT_TRUE (engine->savePresetFile (file));

    const auto saved = contentsOf (file);
    ASSERT_EQ (saved.size(), 476);
    EXPECT_EQ (Bytes (saved.begin(), 10), (Bytes { 0xF0, 0x00, 0x7E, 0x2A, 0x00, 0x40, 0x61, 0x03, 0x51, 0x00 }));
    EXPECT_EQ (saved.getLast(), 0xF7);

    auto other = constants.makeEngine (midiManager);
    ModelReports reports (*other);
    ASSERT_TRUE (other->loadPresetFile (file));
    EXPECT_TRUE (reports.everyControlReportedOnce());

    EXPECT_EQ (parameterValues (*other), parameterValues (*engine));
    EXPECT_EQ (other->getModel().collectData(), constants.distinctData());
}

TEST_F (PresetFileTest, WrongSizesMissingFilesFoldersAndUnreadableFilesAreRefused)
{
    ModelReports reports (*engine);
    auto folder = temp.file ("folder.qx6");
    folder.createDirectory();
    juce::Array<juce::File> refused { temp.fileWith ("short.qx6", zeros (475)), temp.fileWith ("long.qx6", zeros (477)),
                                      temp.file ("missing.qx6"), folder };

    // Root reads whatever the permissions say.
    const auto locked = temp.fileWith ("locked.qx6", zeros (476));
    chmod (locked.getFullPathName().toRawUTF8(), 0);
    if (! juce::FileInputStream (locked).openedOk())
        refused.add (locked);

    for (const auto& file : refused)
        EXPECT_FALSE (engine->loadPresetFile (file)) << file.getFileName();

    EXPECT_EQ (engine->getModel().collectData(), constants.distinctData());
    EXPECT_EQ (reports.total(), 0);
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

TEST_F (PresetFileTest, SavingReplacesAnExistingFileWhole)
{
    const auto old = zeros (1000);
    const auto file = temp.fileWith ("old.qx6", old);

    ASSERT_TRUE (engine->savePresetFile (file));
    EXPECT_EQ (contentsOf (file), engine->buildPresetMessage (0));
    EXPECT_EQ (temp.folder.getNumberOfChildFiles (juce::File::findFilesAndDirectories, "*"), 1)
        << "no temporary file left behind";
}

TEST_F (PresetFileTest, FailedSaveReportsFalseAndKeepsTheOldFile)
{
    const auto old = zeros (10);
    const auto file = temp.fileWith ("old.qx6", old);

    {
        const FileSizeLimit diskAlmostFull (100);
        EXPECT_FALSE (engine->savePresetFile (file));
    }

    EXPECT_EQ (contentsOf (file), old);
    EXPECT_EQ (temp.folder.getNumberOfChildFiles (juce::File::findFilesAndDirectories, "*"), 1);

    const auto underAFile = file.getChildFile ("preset.qx6");
    EXPECT_FALSE (engine->savePresetFile (underAFile));
    EXPECT_EQ (contentsOf (file), old);

    const auto folder = temp.file ("folder.qx6");
    folder.createDirectory();
    EXPECT_FALSE (engine->savePresetFile (folder));
    EXPECT_TRUE (folder.isDirectory());
}
