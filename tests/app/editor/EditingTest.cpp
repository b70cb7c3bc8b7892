#include "app/AppTestSupport.h"
#include "model/controls/ControlGroup.h"
#include "views/EditorComponent.h"
#include "views/controls/GenericControlView.h"
#include "views/sections/BankView.h"
#include "widgets/bound/DoubleParameterControllerComboBox.h"
#include "widgets/bound/DoubleParamterControllerNumberBox.h"

#include <gtest/gtest.h>

using namespace AppTestSupport;
using namespace ControlGroup;
using Answer = SaveChangesPresenter::Answer;

namespace
{
struct Editing
{
    explicit Editing (bool withKeyboard = false) : harness (withKeyboard), window (harness.start())
    {
        activate (*window);
    }

    QXEditorEngine& engine() const { return window->getEngine(); }
    int stored (int group, int index, const char* name) const
    {
        return engine().getModel().getControl (group, index)->getParameter (name);
    }

    BankView& bank (int view) const { return *dynamic_cast<BankView*> (editor->getView (view)); }
    GenericControlView& control (int view, int index) const
    {
        return *dynamic_cast<GenericControlView*> (bank (view).getItems()[index]);
    }

    juce::Array<NumberBox*> rows (int view, int index, const juce::String& name) const
    {
        juce::Array<NumberBox*> found;

        for (auto* box : control (view, index).getNumberBoxes())
            if (box->parameterName == name)
                found.add (&box->getNumberBox());

        return found;
    }

    void press (const juce::KeyPress& key) const
    {
        window->getPeer()->handleKeyPress (key);
        WidgetTestSupport::flushMessages();
    }

    ShellHarness harness;
    EditorWindow* window;
    EditorComponent* editor = &window->getEditorComponent();
};

const juce::KeyPress undoKey ('z', juce::ModifierKeys::commandModifier, 0);
const juce::KeyPress redoKey ('y', juce::ModifierKeys::commandModifier, 0);
} // namespace

TEST (EditingTest, EveryCommandFirstCommitsTheValueBeingTyped)
{
    TempFolder temp;
    const auto file = temp.file ("typed.qx6");
    const juce::CommandID commands[] = { CommandIds::saveCommand,       CommandIds::saveAsCommand,
                                         CommandIds::sendPresetCommand, CommandIds::getPresetCommand,
                                         CommandIds::newWindowCommand,  CommandIds::closeWindowCommand,
                                         CommandIds::quitCommand };

    for (auto command : commands)
        for (const auto& [typed, expected] : { std::pair<const char*, int> { "99", 99 }, { "500", 20 } })
        {
            SCOPED_TRACE (juce::String::toHexString (command) + " " + typed);
            Editing e;
            e.harness.chooser.answers.push_back (file);
            e.window->saveAs();
            e.editor->viewSelected (EditorComponent::knobView);
            juce::Component::SafePointer<NumberBox> box (e.rows (EditorComponent::knobView, 0, "CC").getFirst());
            QXEditorEngine::Ptr engine (&e.engine()); // the window may close

            WidgetTestSupport::typeInto (*box, typed, 0); // stays in the box, as a user going on to a command
            e.harness.chooser.answers.push_back (file);
            e.harness.invoke (command);

            EXPECT_EQ (engine->getModel().getControl (knobGroup, 0)->getParameter ("CC"), expected);
            EXPECT_TRUE (box == nullptr || (box->getText() == juce::String (expected) && ! box->isBeingEdited()));

            // Saving writes the typed value, not the one before it.
            if (command == CommandIds::saveCommand || command == CommandIds::saveAsCommand)
            {
                const auto& knob = *engine->getModel().getControl (knobGroup, 0);
                const auto offset = PresetLayout::messageOffset (knob.getImageOffset() + knob.getParameterIndex ("CC"));
                EXPECT_EQ (EngineTestSupport::contentsOf (file)[offset], expected);
            }
        }
}

TEST (EditingTest, UndoAndRedoTakeBackEditsModeChangesAndWholePresetsAsEditsDo)
{
    Editing e (true);
    e.harness.useKeyboard();
    e.engine().setTiming ({ 0, 0, 2000, 9 });
    TempFolder temp;
    auto other = ModelConstants::qx61DefaultPreset();
    const auto& pad = *e.engine().getModel().getControl (padGroup, 0);
    other.set (PresetLayout::messageOffset (pad.getImageOffset() + pad.getParameterIndex ("Note")), 77);
    const auto file = temp.fileWith ("other.qx6", other);

    struct Step
    {
        std::function<void()> act;
        int group, index;
        const char* name;
        int view;
    };

    const Step steps[] = {
        { [&] {
             e.editor->viewSelected (EditorComponent::knobView);
             WidgetTestSupport::typeInto (*e.rows (EditorComponent::knobView, 0, "CC").getFirst(), "99");
         },
          knobGroup, 0, "CC", EditorComponent::knobView },
        { [&] { e.control (EditorComponent::knobView, 1).getModeComboBox()->getComboBox().setSelectedId (2); },
          knobGroup, 1, "Mode", -1 },
        { [&] { e.window->openPresetFile (file); }, padGroup, 0, "CC", EditorComponent::padView },
        { [&] {
             e.engine().startGet (3);
             dispatchUntil ([&] { return ! e.engine().isGetRunning(); }, 10000);
         },
          presetNameGroup, 0, "Preset Name 1", -1 },
    };

    std::vector<std::pair<int, int>> values; // before and after each step
    for (const auto& step : steps)
    {
        const auto before = e.stored (step.group, step.index, step.name);
        step.act();
        WidgetTestSupport::flushMessages();
        values.emplace_back (before, e.stored (step.group, step.index, step.name));
        ASSERT_NE (values.back().first, values.back().second) << step.name;
    }

    // The shown value follows the model in every row on the byte, whichever mode it sits in.
    const auto expectShown = [&] (const Step& step, int value) {
        EXPECT_EQ (e.stored (step.group, step.index, step.name), value) << step.name;
        for (auto* box : step.view >= 0 ? e.rows (step.view, step.index, step.name) : juce::Array<NumberBox*>())
            EXPECT_EQ (box->getValue(), value) << step.name;
        EXPECT_TRUE (juce::String (step.name) != "Mode"
                     || e.control (EditorComponent::knobView, 1).getShownGroup() == value);
    };

    for (int i = juce::numElementsInArray (steps); --i >= 0;)
    {
        e.press (undoKey);
        expectShown (steps[i], values[(size_t) i].first);
    }

    e.press (undoKey); // nothing left: no change
    expectShown (steps[0], values[0].first);

    for (int i = 0; i < juce::numElementsInArray (steps); ++i)
    {
        e.press (i % 2 == 0 ? redoKey
                            : juce::KeyPress (
                                'z', juce::ModifierKeys::commandModifier | juce::ModifierKeys::shiftModifier, 0));
        expectShown (steps[i], values[(size_t) i].second);
    }

    // While a box is being typed into, the undo key is the box's own.
    e.editor->viewSelected (EditorComponent::knobView);
    auto& box = *e.rows (EditorComponent::knobView, 0, "CC").getFirst();
    const auto beforeTyping = e.stored (knobGroup, 0, "CC");
    WidgetTestSupport::typeInto (box, "3", 0);
    e.press (undoKey);
    EXPECT_EQ (e.stored (presetNameGroup, 0, "Preset Name 1"), values.back().second);
    box.commitEdit();
    EXPECT_EQ (e.stored (knobGroup, 0, "CC"), beforeTyping);
}

TEST (EditingTest, AGetEndingUnderTheSaveQuestionChangesNeitherTheQuestionNorTheFile)
{
    for (const auto quitting : { false, true })
        for (const auto answer : { Answer::save, Answer::cancel })
        {
            SCOPED_TRACE (juce::String (quitting ? "quit " : "close ") + (answer == Answer::save ? "Save" : "Cancel"));
            Editing e (true);
            e.harness.useKeyboard();
            e.engine().setTiming ({ 0, 0, 2000, 9, 0 });
            TempFolder temp;
            const auto file = temp.fileWith ("mine.qx6", ModelConstants::qx61DefaultPreset());
            const auto original = EngineTestSupport::contentsOf (file);
            ASSERT_TRUE (e.window->openPresetFile (file));
            e.engine().setParameter (sustainGroup, "CC", 1, false);
            const auto edited = e.engine().buildPresetMessage (0);
            QXEditorEngine::Ptr engine (&e.engine()); // the window may close

            // The keyboard's preset would arrive while the question is up.
            e.engine().startGet (3);
            e.harness.saveChanges.answers = { answer };
            e.harness.saveChanges.whileAsking = [&] {
                dispatchUntil ([&] { return ! engine->isGetRunning(); }, 60000);
            };
            e.harness.invoke (quitting ? CommandIds::quitCommand : CommandIds::closeWindowCommand);

            EXPECT_EQ (e.harness.saveChanges.questions.size(), 1);
            EXPECT_EQ (engine->buildPresetMessage (0), edited);
            EXPECT_EQ (EngineTestSupport::contentsOf (file), answer == Answer::save ? edited : original);
            EXPECT_EQ (quitting ? e.harness.quitRequests == 1 : e.harness.windows().getNumWindows() == 0,
                       answer == Answer::save);
        }
}

TEST (EditingTest, QuitAsksForEachEditedWindowAndStopsAtCancel)
{
    for (const auto& [second, quits] : { std::pair<Answer, int> { Answer::cancel, 0 }, { Answer::dontSave, 1 } })
    {
        Editing e;
        e.harness.invoke (CommandIds::newWindowCommand);
        e.harness.invoke (CommandIds::newWindowCommand);
        e.engine().setParameter (sustainGroup, "CC", 1, false);
        e.harness.windows().getWindow (2)->getEngine().setParameter (knobGroup, 3, "CC", 1, false);
        e.harness.saveChanges.answers = { Answer::dontSave, second };

        e.harness.invoke (CommandIds::quitCommand);

        EXPECT_EQ (e.harness.saveChanges.questions,
                   (juce::StringArray { "Save changes to Untitled 1?", "Save changes to Untitled 3?" }));
        EXPECT_EQ (e.harness.quitRequests, quits);
    }
}
