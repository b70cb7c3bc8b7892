#include "app/AppTestSupport.h"
#include "engine/files/FileAccess.h"
#include "views/EditorComponent.h"

#include <gtest/gtest.h>

using namespace AppTestSupport;

namespace
{
struct EditorWindowFiles : public ::testing::Test
{
    juce::File presetFile (const juce::String& fileName, const juce::String& presetNameText)
    {
        auto data = ModelConstants::qx61DefaultPreset();

        for (int i = 0; i < 16; ++i)
            data.set (10 + i, static_cast<juce::uint8> (i < presetNameText.length() ? presetNameText[i] : ' '));

        return temp.fileWith (fileName, data);
    }

    juce::String title() const { return window->getName(); }

    /** The file in the window's title and the preset name it holds. */
    static juce::String shows (EditorWindow* w)
    {
        const auto data = w->getEngine().getModel().collectData();
        return w->getName().fromFirstOccurrenceOf ("Editor - ", false, false) + ": "
               + juce::String::createStringFromData (data.getRawDataPointer(), 16).trimEnd();
    }

    TempFolder temp;
    ShellHarness harness;
    EditorWindow* window = harness.start();
};
} // namespace

TEST_F (EditorWindowFiles, SaveAsThenSaveThenLoadFollowTheCurrentFile)
{
    // The main view's Save To File without a file asks as Save As does; a cancel changes nothing.
    harness.chooser.answers.push_back ({});
    auto* saveButton = findChild<juce::Button> (window->getEditorComponent(), "Save To File");
    ASSERT_NE (saveButton, nullptr);
    window->buttonClicked (saveButton);

    ASSERT_EQ (harness.chooser.requests.size(), 1u);
    EXPECT_TRUE (harness.chooser.requests[0]);
    EXPECT_EQ (title(), "Kavori QX61 Editor - Untitled 1");
    EXPECT_EQ (harness.shell->getLastLocation(), juce::File());

    // An edit marks the title; saving it, or undoing it after the save, as the other does.
    window->getEngine().setParameter (ControlGroup::knobGroup, 0, "CC", 99, true);
    EXPECT_EQ (title(), "Kavori QX61 Editor - *Untitled 1");
    const auto a = temp.file ("a.qx6");
    harness.chooser.answers.push_back (a);
    window->saveAs();

    EXPECT_EQ (title(), "Kavori QX61 Editor - a");
    window->getEngine().undo();
    EXPECT_EQ (title(), "Kavori QX61 Editor - *a");
    window->getEngine().redo();
    EXPECT_EQ (title(), "Kavori QX61 Editor - a");
    EXPECT_EQ (harness.shell->getLastLocation(), temp.folder);
    EXPECT_EQ (a.getSize(), 476);

    // Loading b makes it the current file; Save then writes b without asking and leaves a alone.
    const auto b = presetFile ("b.qx6", "Loaded B");
    const auto aBefore = a.loadFileAsString();
    harness.chooser.answers.push_back (b);
    window->loadFromFile();

    EXPECT_FALSE (harness.chooser.requests.back());
    EXPECT_EQ (shows (window), "b: Loaded B");

    b.replaceWithText ("stale");
    window->save();
    EXPECT_EQ (b.getSize(), 476);
    EXPECT_EQ (harness.chooser.requests.size(), 3u);
    EXPECT_EQ (a.loadFileAsString(), aBefore);
    EXPECT_TRUE (harness.alerts.boxes.empty());
}

TEST_F (EditorWindowFiles, FailedLoadsAndSavesShowOneFileErrorAtATimeAndKeepTheWindowAsItWas)
{
    const auto a = temp.file ("a.qx6");
    harness.chooser.answers.push_back (a);
    window->saveAs();
    const auto before = window->getEngine().getModel().collectData();

    const auto c = temp.file ("c.qx6");
    c.replaceWithText ("not a preset");
    EXPECT_FALSE (window->openPresetFile (c));
    EXPECT_EQ (harness.alerts.only(), "File Error: Error Opening c.qx6\r\n Invalid Preset Data");
    EXPECT_EQ (title(), "Kavori QX61 Editor - a");
    EXPECT_EQ (window->getEngine().getModel().collectData(), before);

    // While the box is up a second failure shows no second box; after it, a new one.
    EXPECT_FALSE (window->openPresetFile (temp.file ("missing.qx6")));
    EXPECT_EQ (harness.alerts.shownCount, 1);
    harness.alerts.dismissFirst();

    // A folder cannot be written as a file.
    const auto blocked = temp.file ("sub").getChildFile ("d.qx6");
    blocked.createDirectory();
    harness.chooser.answers.push_back (blocked);
    window->saveAs();

    // The box says why, in the words the tool uses.
    EXPECT_EQ (harness.alerts.only(),
               "File Error: Error Saving d.qx6\r\n " + blocked.getFullPathName() + ": " + FileAccess::isDirectory);
    EXPECT_EQ (title(), "Kavori QX61 Editor - a");
    EXPECT_EQ (harness.shell->getLastLocation(), temp.folder);
}

// Opening by Ctrl+O and by a launch with a file is driven end to end.
TEST_F (EditorWindowFiles, ADroppedPresetFileOpensInTheWindowItIsDroppedOn)
{
    const auto notes = temp.file ("notes.txt").getFullPathName();
    const juce::StringArray files { notes, presetFile ("h.qx6", "Dropped").getFullPathName() };
    EXPECT_FALSE (window->isInterestedInFileDrag ({ notes }));
    EXPECT_TRUE (window->isInterestedInFileDrag (files));
    EXPECT_TRUE (window->isInterestedInFileDrag ({ temp.file ("UPPER.QX6").getFullPathName() }));

    window->filesDropped (files, 10, 10);
    EXPECT_EQ (shows (window), "h: Dropped");
}

TEST_F (EditorWindowFiles, AHandedOverFileWithNoEditorInFrontGetsANewWindow)
{
    // Into the active window is driven end to end. With no editor window in front (another program is) the file gets a window of its own.
    juce::DocumentWindow other ("Another program", juce::Colours::black, 0, true);
    other.setBounds (600, 600, 200, 100);
    other.setVisible (true);
    other.toFront (true);
    ASSERT_TRUE (dispatchUntil ([&] { return harness.windows().getActiveWindow() == nullptr; }));
    harness.shell->anotherInstanceStarted ("'" + presetFile ("with space.qx6", "").getFullPathName() + "'");
    ASSERT_EQ (harness.windows().getNumWindows(), 2);
    EXPECT_EQ (harness.windows().getWindow (1)->getName(), "Kavori QX61 Editor - with space");

    // A second launch without a file and no window left opens one.
    while (harness.windows().getNumWindows() > 0)
        harness.windows().getWindow (0)->closeWindow();

    harness.shell->anotherInstanceStarted ({});
    EXPECT_EQ (harness.windows().getNumWindows(), 1);
}
