#include "AppTestSupport.h"
#include "app/NativeFileChooserPresenter.h"
#include "views/EditorComponent.h"

#include <gtest/gtest.h>

using namespace AppTestSupport;

namespace
{
struct EditorWindowFiles : public ::testing::Test
{
    EditorWindowFiles()
    {
        harness.shell->start ({});
        window = harness.windows().getWindow (0);
    }

    /** A valid preset file whose name is the given text. */
    juce::File presetFile (const juce::String& fileName, const juce::String& presetNameText)
    {
        auto file = temp.folder.getChildFile (fileName);
        auto data = ModelConstants::qx61DefaultPreset();

        for (int i = 0; i < 16; ++i)
            data.set (10 + i, static_cast<juce::uint8> (i < presetNameText.length() ? presetNameText[i] : ' '));

        file.replaceWithData (data.getRawDataPointer(), static_cast<size_t> (data.size()));
        return file;
    }

    juce::String title() const { return window->getName(); }

    TempFolder temp;
    ShellHarness harness;
    EditorWindow* window = nullptr;
};
} // namespace

TEST_F (EditorWindowFiles, SaveWithoutAFileAsksLikeSaveAsAndCancelChangesNothing)
{
    harness.chooser.answers.push_back ({});
    window->save();

    ASSERT_EQ (harness.chooser.requests.size(), 1u);
    EXPECT_TRUE (harness.chooser.requests[0].saving);
    EXPECT_EQ (harness.chooser.requests[0].title, "Select Filename to save");
    EXPECT_EQ (harness.chooser.requests[0].pattern, "*.qx6");
    EXPECT_EQ (title(), "Kavori QX61 Editor - Untitled 1");
    EXPECT_EQ (window->getCurrentFile(), juce::File());
    EXPECT_EQ (harness.shell->getLastLocation(), juce::File());
}

TEST_F (EditorWindowFiles, SaveAsThenSaveThenLoadFollowTheCurrentFile)
{
    const auto a = temp.folder.getChildFile ("a.qx6");
    harness.chooser.answers.push_back (a);
    window->saveAs();

    EXPECT_EQ (title(), "Kavori QX61 Editor - a");
    EXPECT_EQ (harness.shell->getLastLocation(), temp.folder);
    ASSERT_TRUE (a.existsAsFile());
    EXPECT_EQ (a.getSize(), 476);

    // A second Save writes the same file without asking.
    a.replaceWithText ("stale");
    window->save();
    EXPECT_EQ (harness.chooser.requests.size(), 1u);
    EXPECT_EQ (a.getSize(), 476);

    // Loading b makes it the current file; Save then writes b and leaves a alone.
    const auto b = presetFile ("b.qx6", "Loaded B");
    const auto aBefore = a.loadFileAsString();
    harness.chooser.answers.push_back (b);
    window->loadFromFile();

    EXPECT_FALSE (harness.chooser.requests.back().saving);
    EXPECT_EQ (harness.chooser.requests.back().title, "Select Filename to open");
    EXPECT_EQ (title(), "Kavori QX61 Editor - b");
    EXPECT_EQ (presetName (window->getEngine()), "Loaded B");

    b.replaceWithText ("stale");
    window->save();
    EXPECT_EQ (b.getSize(), 476);
    EXPECT_EQ (a.loadFileAsString(), aBefore);
    EXPECT_TRUE (harness.alerts.boxes.empty());
}

TEST_F (EditorWindowFiles, SaveAsAddsTheExtensionToANameTypedWithoutOne)
{
    // name → name.qx6; an existing name.qx6 is offered again by its full name before it is overwritten.
    const auto typed = temp.folder.getChildFile ("typed");
    const auto saved = temp.folder.getChildFile ("typed.qx6");
    harness.chooser.answers = { typed };
    window->saveAs();
    EXPECT_EQ (saved.getSize(), 476);
    EXPECT_FALSE (typed.exists());
    EXPECT_EQ (title(), "Kavori QX61 Editor - typed");

    saved.replaceWithText ("older");
    harness.chooser.answers = { typed, {} };
    window->saveAs();
    ASSERT_EQ (harness.chooser.requests.size(), 3u);
    EXPECT_EQ (harness.chooser.requests[2].startLocation, saved);
    EXPECT_EQ (saved.loadFileAsString(), "older");
}

TEST_F (EditorWindowFiles, WithoutADocumentsFolderTheChooserStartsAtHome)
{
    const auto home = juce::SystemStats::getEnvironmentVariable ("HOME", {});
    setenv ("HOME", temp.folder.getFullPathName().toRawUTF8(), 1);
    const auto withoutDocuments = NativeFileChooserPresenter::startFor ({});
    temp.folder.getChildFile ("Documents").createDirectory();
    const auto withDocuments = NativeFileChooserPresenter::startFor ({});
    setenv ("HOME", home.toRawUTF8(), 1);

    EXPECT_EQ (withoutDocuments, temp.folder);
    EXPECT_EQ (withDocuments, temp.folder.getChildFile ("Documents"));
    EXPECT_EQ (NativeFileChooserPresenter::startFor (temp.folder), temp.folder);
}

TEST_F (EditorWindowFiles, AFailedLoadShowsOneFileErrorAndKeepsPresetAndTitle)
{
    const auto c = temp.folder.getChildFile ("c.qx6");
    c.replaceWithText ("not a preset");
    const auto before = window->getEngine().getModel().collectData();

    EXPECT_FALSE (window->openPresetFile (c));
    ASSERT_EQ (harness.alerts.numOpen(), 1);
    EXPECT_EQ (harness.alerts.first().title, "File Error");
    EXPECT_EQ (harness.alerts.first().message, "Error Opening c.qx6\r\n Invalid Preset Data");
    EXPECT_EQ (title(), "Kavori QX61 Editor - Untitled 1");
    EXPECT_EQ (window->getEngine().getModel().collectData(), before);

    // While the box is up a second failure shows no second box; after it, a new one.
    EXPECT_FALSE (window->openPresetFile (temp.folder.getChildFile ("missing.qx6")));
    EXPECT_EQ (harness.alerts.shownCount, 1);

    harness.alerts.dismissFirst();
    EXPECT_FALSE (window->openPresetFile (temp.folder.getChildFile ("missing.qx6")));
    ASSERT_EQ (harness.alerts.numOpen(), 1);
    EXPECT_EQ (harness.alerts.first().message, "Error Opening missing.qx6\r\n Invalid Preset Data");
}

TEST_F (EditorWindowFiles, AFailedSaveIsReportedAndTheWindowKeepsItsFile)
{
    const auto a = temp.folder.getChildFile ("a.qx6");
    harness.chooser.answers.push_back (a);
    window->saveAs();
    ASSERT_EQ (title(), "Kavori QX61 Editor - a");

    // A folder cannot be written as a file.
    const auto blocked = temp.folder.getChildFile ("sub").getChildFile ("d.qx6");
    blocked.createDirectory();
    harness.chooser.answers.push_back (blocked);
    window->saveAs();

    ASSERT_EQ (harness.alerts.numOpen(), 1);
    EXPECT_EQ (harness.alerts.first().title, "File Error");
    EXPECT_EQ (harness.alerts.first().message, "Error Saving d.qx6\r\n Could not write the file");
    EXPECT_EQ (title(), "Kavori QX61 Editor - a");
    EXPECT_EQ (window->getCurrentFile(), a);
    EXPECT_EQ (harness.shell->getLastLocation(), temp.folder);

    // A load failing meanwhile waits for that box to go: one file box at a time.
    EXPECT_FALSE (window->openPresetFile (temp.folder.getChildFile ("missing.qx6")));
    EXPECT_EQ (harness.alerts.shownCount, 1);
}

TEST_F (EditorWindowFiles, TheOpenCommandLoadsIntoANewWindowAndCancelCreatesNone)
{
    harness.chooser.answers.push_back ({});
    harness.invoke (CommandIds::openCommand);
    EXPECT_EQ (harness.windows().getNumWindows(), 1);

    harness.chooser.answers.push_back (presetFile ("e.qx6", "From Open"));
    harness.invoke (CommandIds::openCommand);
    ASSERT_EQ (harness.windows().getNumWindows(), 2);
    EXPECT_EQ (harness.windows().getWindow (1)->getName(), "Kavori QX61 Editor - e");
    EXPECT_EQ (presetName (harness.windows().getWindow (1)->getEngine()), "From Open");
    EXPECT_EQ (title(), "Kavori QX61 Editor - Untitled 1");
}

TEST_F (EditorWindowFiles, AHandedOverFileOpensInTheActiveWindowOrANewOne)
{
    const auto f = presetFile ("with space.qx6", "Handed Over");
    window->toFront (true);
    ASSERT_TRUE (dispatchUntil ([&] { return window->isActiveWindow(); }));

    harness.shell->anotherInstanceStarted (f.getFullPathName().quoted());
    EXPECT_EQ (harness.windows().getNumWindows(), 1);
    EXPECT_EQ (title(), "Kavori QX61 Editor - with space");

    // With no editor window in front (another program is) the file gets a window of its own.
    juce::DocumentWindow other ("Another program", juce::Colours::black, 0, true);
    other.setBounds (600, 600, 200, 100);
    other.setVisible (true);
    other.toFront (true);
    ASSERT_TRUE (dispatchUntil ([&] { return harness.windows().getActiveWindow() == nullptr; }));
    harness.shell->anotherInstanceStarted ("'" + f.getFullPathName() + "'");
    ASSERT_EQ (harness.windows().getNumWindows(), 2);
    EXPECT_EQ (harness.windows().getWindow (1)->getName(), "Kavori QX61 Editor - with space");

    // A second launch without a file brings the windows to the front; with none, opens one.
    harness.windows().getWindow (0)->setMinimised (true);
    harness.shell->anotherInstanceStarted ({});
    EXPECT_EQ (harness.windows().getNumWindows(), 2);
    EXPECT_FALSE (harness.windows().getWindow (0)->isMinimised());

    while (harness.windows().getNumWindows() > 0)
        harness.windows().getWindow (0)->closeWindow();

    harness.shell->anotherInstanceStarted ({});
    EXPECT_EQ (harness.windows().getNumWindows(), 1);
}

TEST_F (EditorWindowFiles, AStartWithAFileOpensItInTheFirstWindow)
{
    ShellHarness second;
    second.shell->start ("--simulator " + presetFile ("g.qx6", "At Start").getFullPathName().quoted());

    ASSERT_EQ (second.windows().getNumWindows(), 1);
    EXPECT_EQ (second.windows().getWindow (0)->getName(), "Kavori QX61 Editor - g");
    EXPECT_EQ (presetName (second.windows().getWindow (0)->getEngine()), "At Start");
}

TEST_F (EditorWindowFiles, ADroppedPresetFileOpensInTheWindow)
{
    const auto h = presetFile ("h.qx6", "Dropped");
    const juce::StringArray files { temp.folder.getChildFile ("notes.txt").getFullPathName(), h.getFullPathName() };

    EXPECT_FALSE (window->isInterestedInFileDrag ({ temp.folder.getChildFile ("notes.txt").getFullPathName() }));
    EXPECT_TRUE (window->isInterestedInFileDrag (files));
    EXPECT_TRUE (window->isInterestedInFileDrag ({ temp.folder.getChildFile ("UPPER.QX6").getFullPathName() }));

    window->filesDropped (files, 10, 10);
    EXPECT_EQ (title(), "Kavori QX61 Editor - h");
    EXPECT_EQ (presetName (window->getEngine()), "Dropped");
}

TEST_F (EditorWindowFiles, TheMainViewButtonsReachTheWindow)
{
    auto* saveButton = findChild<juce::Button> (window->getEditorComponent(), "Save To File");
    auto* getButton = findChild<juce::Button> (window->getEditorComponent(), "Get From Hardware");
    ASSERT_NE (saveButton, nullptr);
    ASSERT_NE (getButton, nullptr);

    harness.chooser.answers.push_back ({});
    window->buttonClicked (saveButton);
    ASSERT_EQ (harness.chooser.requests.size(), 1u);
    EXPECT_TRUE (harness.chooser.requests[0].saving);

    getButton->triggerClick();
    ASSERT_TRUE (dispatchUntil ([&] { return window->getGetPresetWindow() != nullptr; }));
}
