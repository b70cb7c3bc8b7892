#include "app/AppTestSupport.h"
#include "app/desktop/NativeFileChooserPresenter.h"
#include "engine/files/FileAccess.h"
#include "model/ControlGroup.h"
#include "views/EditorComponent.h"

#include <gtest/gtest.h>

using namespace AppTestSupport;

namespace
{
struct EditorWindowFiles : public ::testing::Test
{
    /** A valid preset file whose name is the given text. */
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
    EXPECT_TRUE (harness.chooser.requests[0].saving);
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

    EXPECT_FALSE (harness.chooser.requests.back().saving);
    EXPECT_EQ (shows (window), "b: Loaded B");

    b.replaceWithText ("stale");
    window->save();
    EXPECT_EQ (b.getSize(), 476);
    EXPECT_EQ (harness.chooser.requests.size(), 3u);
    EXPECT_EQ (a.loadFileAsString(), aBefore);
    EXPECT_TRUE (harness.alerts.boxes.empty());
}

TEST_F (EditorWindowFiles, SaveAsAddsTheExtensionToANameTypedWithoutOne)
{
    // name → name.qx6, a dot of the name's own kept; an existing name.qx6 is offered again by its
    // full name before it is overwritten.
    for (const auto* name : { "gig v1.2", "typed" })
    {
        const auto typed = temp.file (name);
        harness.chooser.answers = { typed };
        window->saveAs();
        EXPECT_EQ (temp.file (juce::String (name) + ".qx6").getSize(), 476);
        EXPECT_FALSE (typed.exists());
        EXPECT_EQ (title(), "Kavori QX61 Editor - " + juce::String (name));
    }

    const auto saved = temp.file ("typed.qx6");
    saved.replaceWithText ("older");
    harness.chooser.answers = { temp.file ("typed"), {} };
    window->saveAs();
    ASSERT_EQ (harness.chooser.requests.size(), 4u);
    EXPECT_EQ (harness.chooser.requests[3].startLocation, saved);
    EXPECT_EQ (saved.loadFileAsString(), "older");
}

TEST_F (EditorWindowFiles, WithoutADocumentsFolderTheChooserStartsAtHome)
{
    const auto home = juce::SystemStats::getEnvironmentVariable ("HOME", {});
    setenv ("HOME", temp.folder.getFullPathName().toRawUTF8(), 1);
    const auto withoutDocuments = NativeFileChooserPresenter::startFor ({});
    temp.file ("Documents").createDirectory();
    const auto withDocuments = NativeFileChooserPresenter::startFor ({});
    setenv ("HOME", home.toRawUTF8(), 1);

    EXPECT_EQ (withoutDocuments, temp.folder);
    EXPECT_EQ (withDocuments, temp.file ("Documents"));
    EXPECT_EQ (NativeFileChooserPresenter::startFor (temp.folder), temp.folder);
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

    harness.alerts.dismissFirst();
    EXPECT_FALSE (window->openPresetFile (temp.file ("missing.qx6")));
    EXPECT_EQ (harness.alerts.only(), "File Error: Error Opening missing.qx6\r\n Invalid Preset Data");
}

TEST_F (EditorWindowFiles, OpenStartAndDropShowTheFileAndItsPreset)
{
    // The Open command loads into a new window; a cancel creates none.
    harness.chooser.answers.push_back ({});
    harness.invoke (CommandIds::openCommand);
    EXPECT_EQ (harness.windows().getNumWindows(), 1);

    harness.chooser.answers.push_back (presetFile ("e.qx6", "From Open"));
    harness.invoke (CommandIds::openCommand);
    ASSERT_EQ (harness.windows().getNumWindows(), 2);
    EXPECT_EQ (shows (harness.windows().getWindow (1)), "e: From Open");
    EXPECT_EQ (title(), "Kavori QX61 Editor - Untitled 1");

    // A start with a file opens it in the first window.
    ShellHarness second;
    EXPECT_EQ (shows (second.start ("--simulator " + presetFile ("g.qx6", "At Start").getFullPathName().quoted())),
               "g: At Start");
    EXPECT_EQ (second.windows().getNumWindows(), 1);

    // A dropped preset file opens in the window it is dropped on.
    const auto notes = temp.file ("notes.txt").getFullPathName();
    const juce::StringArray files { notes, presetFile ("h.qx6", "Dropped").getFullPathName() };
    EXPECT_FALSE (window->isInterestedInFileDrag ({ notes }));
    EXPECT_TRUE (window->isInterestedInFileDrag (files));
    EXPECT_TRUE (window->isInterestedInFileDrag ({ temp.file ("UPPER.QX6").getFullPathName() }));

    window->filesDropped (files, 10, 10);
    EXPECT_EQ (shows (window), "h: Dropped");
}

TEST_F (EditorWindowFiles, OpeningOverEditsAsksFirstAndUndoBringsBackTheFileWithThePreset)
{
    using Answer = SaveChangesPresenter::Answer;
    const auto b = presetFile ("b.qx6", "Loaded B");
    window->getEngine().setParameter (ControlGroup::knobGroup, 0, "CC", 99, true);

    // Cancel keeps the edits; Don't Save opens the file over them.
    window->filesDropped ({ b.getFullPathName() }, 0, 0);
    harness.saveChanges.answers = { Answer::dontSave };
    harness.chooser.answers = { b };
    window->loadFromFile();
    EXPECT_EQ (harness.saveChanges.questions.joinIntoString ("|"),
               "Save changes to Untitled 1?|Save changes to Untitled 1?");
    EXPECT_EQ (shows (window), "b: Loaded B");

    // Undo brings back the untitled preset with its edit, redo the file; Save then asks for a name.
    const juce::KeyPress undoKey ('z', juce::ModifierKeys::commandModifier, 0);
    window->keyPressed (undoKey);
    EXPECT_EQ (title(), "Kavori QX61 Editor - *Untitled 1");
    EXPECT_EQ (window->getCurrentFile(), juce::File());
    EXPECT_EQ (window->getEngine().getModel().getControl (ControlGroup::knobGroup, 0)->getParameter ("CC"), 99);
    window->keyPressed (juce::KeyPress ('y', juce::ModifierKeys::commandModifier, 0));
    EXPECT_EQ (shows (window), "b: Loaded B");
    window->keyPressed (undoKey);
    window->save();
    EXPECT_TRUE (harness.chooser.requests.back().saving);
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

    // A second launch without a file brings the windows to the front; with none, opens one.
    harness.windows().getWindow (1)->setMinimised (true);
    harness.shell->anotherInstanceStarted ({});
    EXPECT_EQ (harness.windows().getNumWindows(), 2);
    EXPECT_FALSE (harness.windows().getWindow (1)->isMinimised());

    while (harness.windows().getNumWindows() > 0)
        harness.windows().getWindow (0)->closeWindow();

    harness.shell->anotherInstanceStarted ({});
    EXPECT_EQ (harness.windows().getNumWindows(), 1);
}
