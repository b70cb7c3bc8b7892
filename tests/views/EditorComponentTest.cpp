#include "views/ViewTestSupport.h"

#include "model/controls/ControlGroup.h"
#include "model/kinds/QXPresetName.h"
#include "views/EditorComponent.h"
#include "views/PresetDisplay.h"
#include "views/mapping/MappingTableComponent.h"
#include "views/sections/BankView.h"
#include "views/selectors/Q61ProductProductImageViewSelector.h"
#include "views/selectors/TabSelectorButtons.h"
#include "widgets/bound/ControlToMidiControllerButton.h"
#include "widgets/boxes/ComboBoxWithLabel.h"
#include "widgets/boxes/NumberBoxWithLabel.h"
#include "widgets/boxes/PresetNameBox.h"
#include "widgets/controllers/ParameterController.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace ControlGroup;

namespace
{
/** One widget of the editor and the control its view says it edits. */
struct Binding
{
    juce::Component* widget;
    ParameterController* controller;
    int groupId, index;
};

/** Every widget of every view, hidden banks included, with the control it should address. */
std::vector<Binding> collectEditor (EditorComponent& editor)
{
    const int groupOfView[] = { -1,          knobGroup,   switchGroup, padGroup, rollModeGroup, transportGroup,
                                keybedGroup, wheelsGroup, sustainGroup };
    std::vector<Binding> bindings;

    const auto collect = [&bindings] (juce::Component& root, int groupId, int index) {
        for (auto* component : findAll<juce::Component> (root))
            if (auto* controller = dynamic_cast<ParameterController*> (component))
            {
                const bool toggle = dynamic_cast<ControlToMidiControllerButton*> (component) != nullptr;
                bindings.push_back ({ component, controller, toggle ? midiToDinGroup : groupId, toggle ? 0 : index });
            }
    };

    for (int view = 0; view < EditorComponent::numViews; ++view)
    {
        auto& component = *editor.getView (view);
        const auto groupId = groupOfView[view];
        auto* bank = dynamic_cast<BankView*> (&component);

        if (bank == nullptr)
        {
            collect (component, groupId, 0);
            continue;
        }

        // Knobs, switches, pads and transport buttons have one view per control; both wheel views edit
        // the one wheels control. A bank's own toggle sits beside its items.
        for (int i = 0; i < bank->getItems().size(); ++i)
            collect (*bank->getItems()[i], groupId, groupId != wheelsGroup ? i : 0);

        for (auto* toggle : findAll<ControlToMidiControllerButton> (*bank))
            if (toggle->getParentComponent() == bank)
                bindings.push_back ({ toggle, toggle, midiToDinGroup, 0 });
    }

    return bindings;
}

/** What a number box adds to the stored value it shows, by its caption. */
int offsetOf (const juce::String& caption)
{
    const std::map<juce::String, int> offsets { { "MIDI Channel", 1 }, { "Curve", 1 },       { "Gate", 1 },
                                                { "Split Point", 1 },  { "Transpose", -12 }, { "Swing", 50 } };
    const auto found = offsets.find (caption);
    return found != offsets.end() ? found->second : 0;
}

class EditorComponentTest : public ::testing::Test
{
protected:
    EditorComponentTest()
        : editor (std::make_unique<TabSelectorButtons>(), std::make_unique<Q61ProductProductImageViewSelector>(),
                  engine.engine, engine.constants.numKnobs, engine.constants.numPads, engine.constants.numSwitches)
    {
    }

    ViewSelector& product() const { return *editor.getSelector (1); }

    static void click (juce::Button& button)
    {
        button.triggerClick();
        deliverPendingMessages();
    }

    /** A preset whose every parameter holds a random value within its range (where names share a byte,
        the last one's). */
    juce::Array<juce::uint8> randomPreset (juce::int64 seed)
    {
        juce::Random random (seed);
        auto preset = engine.defaultPreset();

        engine.engine->getModel().forEachControl ([&] (int, const Control& control) {
            for (const auto& name : control.getParameterNames())
                preset.set (PresetLayout::messageOffset (control.getImageOffset() + control.getParameterIndex (name)),
                            (juce::uint8) random.nextInt (control.getMaximum (name) + 1));
        });

        return preset;
    }

    const Control& controlOf (const Binding& binding) const { return engine.control (binding.groupId, binding.index); }

    static juce::String where (const Binding& b)
    {
        return b.controller->parameterName + " of " + juce::String (b.groupId) + "/" + juce::String (b.index);
    }

    void expectShowsModel (const Binding& binding) const
    {
        const auto stored = controlOf (binding).getParameter (binding.controller->parameterName);
        auto* button = dynamic_cast<ControlToMidiControllerButton*> (binding.widget);
        auto* combo = dynamic_cast<ComboBoxWithLabel*> (binding.widget);
        auto* number = dynamic_cast<NumberBoxWithLabel*> (binding.widget);
        if (button != nullptr)
            EXPECT_EQ (button->getButton().getToggleState(), stored != 0) << where (binding);
        else if (combo != nullptr)
            EXPECT_EQ (combo->getComboBox().getSelectedId(),
                       stored < combo->getComboBox().getNumItems() ? stored + 1 : 0)
                << where (binding);
        else if (number != nullptr)
            EXPECT_EQ (number->getNumberBox().getText(),
                       juce::String (stored + offsetOf (number->getNumberBox().getName())))
                << where (binding);
        else
            ADD_FAILURE() << "unknown widget " << where (binding);
    }

    /** Changes the widget as a user would, to another value it offers. */
    static void edit (const Binding& binding)
    {
        if (auto* button = dynamic_cast<ControlToMidiControllerButton*> (binding.widget))
            click (button->getButton());
        else if (auto* combo = dynamic_cast<ComboBoxWithLabel*> (binding.widget))
            combo->getComboBox().setSelectedId (combo->getComboBox().getSelectedId() == 1 ? 2 : 1,
                                                juce::sendNotificationSync);
        else if (auto* number = dynamic_cast<NumberBoxWithLabel*> (binding.widget))
        {
            const auto minimum = juce::roundToInt (number->getNumberBox().getMinimum());
            const auto value = juce::roundToInt (number->getNumberBox().getValue());
            typeText (number->getNumberBox(), juce::String (value == minimum ? minimum + 1 : minimum));
        }
    }

    TestEngine engine;
    EditorComponent editor;
    const std::vector<Binding> bindings = collectEditor (editor);
};
} // namespace

// The roll-mode button lies inside the transport's area and must still take its clicks.
TEST_F (EditorComponentTest, TheRollModeButtonTakesClicksInsideTheTransportArea)
{
    auto& rollMode = named<juce::Button> (product(), "Roll Mode Selector Button");
    auto& transport = named<juce::Button> (product(), "Transport Selector Button");
    EXPECT_EQ (product().getComponentAt (rollMode.getBounds().getCentre()), &rollMode);
    EXPECT_EQ (product().getComponentAt (transport.getPosition().translated (5, 5)), &transport);
}

TEST_F (EditorComponentTest, EveryParameterHasAWidgetShowingThePresetApplied)
{
    // Knobs 8, pads 17, switches 13 each; the rest as the sections list them.
    EXPECT_EQ (bindings.size(), 16u * 8 + 16 * 17 + 48 * 13 + 4 + 6 * 2 + 2 + 3 * 5 + 7 + 4 + 5);

    std::set<std::tuple<int, int, juce::String>> bound;

    for (const auto& binding : bindings)
        bound.insert ({ binding.groupId, binding.index, binding.controller->parameterName });

    // The preset name has no widget in these views.
    for (int groupId = keybedGroup; groupId <= midiToDinGroup; ++groupId)
        for (int index = 0; index < engine.engine->getModel().getNumControls (groupId); ++index)
            for (const auto& name : engine.control (groupId, index).getParameterNames())
                EXPECT_EQ (bound.count ({ groupId, index, name }), 1u) << name << " of " << groupId << " " << index;

    // Each of them shows a preset applied through the engine.
    for (const auto& preset : { randomPreset (1), randomPreset (2), randomPreset (3), engine.defaultPreset() })
    {
        engine.apply (preset);

        for (const auto& binding : bindings)
            expectShowsModel (binding);
    }
}

TEST_F (EditorComponentTest, AnEditInAnyWidgetChangesExactlyOneByteOfItsControl)
{
    engine.apply (randomPreset (7));

    for (const auto& binding : bindings)
    {
        const auto before = engine.data();
        edit (binding);
        const auto after = engine.data();

        const auto& control = controlOf (binding);
        const auto expectedByte =
            control.getImageOffset() + control.getParameterIndex (binding.controller->parameterName);
        juce::Array<int> changed;

        for (int i = 0; i < after.size(); ++i)
            if (after[i] != before[i])
                changed.add (i);

        ASSERT_EQ (changed, juce::Array<int> (expectedByte)) << where (binding);

        // Every widget of that control shows the edit, the rows of the modes not shown included.
        for (const auto& other : bindings)
            if (other.groupId == binding.groupId && other.index == binding.index)
                expectShowsModel (other);
    }
}

TEST_F (EditorComponentTest, TheMappingTableAndTheViewsFollowEachOtherAndThePictureLeadsToAControlsPage)
{
    engine.apply (engine.defaultPreset());
    MappingTableComponent mapping (engine.engine);
    const auto rowOf = [&] (const juce::String& title) {
        for (int row = 0; row < mapping.getTable().getNumRows(); ++row)
            if (mapping.getTable().getRow (row).title == title)
                return row;
        return -1;
    };
    const auto pad13 = rowOf ("Pad 13");
    const auto widgetOf = [&] (const char* name) -> NumberBox& {
        for (const auto& binding : bindings)
            if (binding.groupId == padGroup && binding.index == 12 && binding.controller->parameterName == name)
                return dynamic_cast<NumberBoxWithLabel*> (binding.widget)->getNumberBox();
        throw std::runtime_error (name);
    };
    const auto dot = juce::String (juce::CharPointer_UTF8 (" \xc2\xb7 "));

    typeText (widgetOf ("Note"), "70");
    deliverPendingMessages();
    EXPECT_EQ (mapping.getTable().getCellText (pad13, MappingTable::messageColumn), "Note 70" + dot + "A#3");
    EXPECT_EQ (widgetOf ("Note").getTooltip(), juce::String::fromUTF8 ("0–127 (70 · A#3)"));

    mapping.setCurrentCell (pad13, MappingTable::messageColumn);
    EXPECT_TRUE (mapping.enterText ("40"));
    EXPECT_FALSE (mapping.enterText ("128"));
    EXPECT_EQ (widgetOf ("Note").getText(), "40");
    EXPECT_EQ (widgetOf ("CC").getText(), "40"); // the same byte in the other modes' rows
    EXPECT_TRUE (engine.engine->undo());
    EXPECT_EQ (widgetOf ("Note").getText(), "70");

    using Picture = Q61ProductProductImageViewSelector;
    EXPECT_EQ (Picture::controlAt ("Drum Pad Selector Button", { 5, 5 }, { 154, 153 }), std::make_pair (+padGroup, 12));
    EXPECT_EQ (Picture::controlAt ("Drum Pad Selector Button", { 150, 150 }, { 154, 153 }),
               std::make_pair (+padGroup, 3));
    EXPECT_EQ (Picture::controlAt ("Knob Selector Button", { 500, 8 }, { 503, 16 }), std::make_pair (+knobGroup, 15));
    EXPECT_EQ (Picture::controlAt ("Switches Selector Button", { 5, 50 }, { 511, 56 }),
               std::make_pair (+switchGroup, 32));
    EXPECT_EQ (Picture::controlAt ("Keybed Selector Button", { 5, 5 }, { 50, 50 }).first, -1);

    editor.showControl (padGroup, 12);
    EXPECT_TRUE (editor.getView (EditorComponent::padView)->isVisible());
    EXPECT_EQ (dynamic_cast<BankView*> (editor.getView (EditorComponent::padView))->getCurrentBank(), 3);
    EXPECT_EQ (dynamic_cast<BankView*> (editor.getView (EditorComponent::padView))->getMarkedItem(), 12);
}

TEST_F (EditorComponentTest, TheNameBoxRenamesInOneUndoableEditAndRefusesNamesTheKeyboardCannotStore)
{
    engine.apply (engine.defaultPreset());
    auto& box = named<PresetNameBox> (*editor.getView (EditorComponent::mainView), "Name");
    const auto storedName = [this] {
        const auto data = engine.data();
        return juce::String::fromUTF8 (reinterpret_cast<const char*> (data.getRawDataPointer()),
                                       QXPresetName::numCharacters);
    };

    struct Case
    {
        juce::String typed, stored;
        bool refused;
    };

    const Case cases[] = {
        { "Lead Split", "Lead Split      ", false },
        { "Exactly 16 chars", "Exactly 16 chars", false },
        { "Seventeen chars!!", "Exactly 16 chars", true },
        { juce::String (juce::CharPointer_UTF8 ("Caf\xc3\xa9")), "Exactly 16 chars", true },
        { "Tab\there", "Exactly 16 chars", true },
        { "", "                ", false },
    };

    for (const auto& c : cases)
    {
        box.showEditor();
        box.getCurrentTextEditor()->setText (c.typed, false);
        box.getCurrentTextEditor()->keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
        deliverPendingMessages();

        EXPECT_EQ (storedName(), c.stored) << c.typed;
        EXPECT_EQ (box.isShowingRefusal(), c.refused) << c.typed;
        EXPECT_EQ (box.getText(), c.stored.trimEnd()) << c.typed;
        EXPECT_EQ (editor.getDisplay().getLines()[0], c.stored.trimEnd()) << c.typed;
    }

    // Each rename is one step, and the window counts it as an edit.
    EXPECT_TRUE (engine.engine->hasUnsavedEdits());
    ASSERT_TRUE (engine.engine->undo());
    EXPECT_EQ (box.getText(), "Exactly 16 chars");
    ASSERT_TRUE (engine.engine->undo());
    EXPECT_EQ (editor.getDisplay().getLines()[0], "Lead Split");
    ASSERT_TRUE (engine.engine->undo());
    EXPECT_FALSE (engine.engine->hasUnsavedEdits());

    // What is saved and sent is the model's data, name included.
    EXPECT_TRUE (engine.engine->renamePreset ("Drums Live"));
    const auto message = engine.engine->buildPresetMessage (4);
    EXPECT_EQ (QXPresetName::decode (Control::Bytes (message.getRawDataPointer() + PresetLayout::messageDataStart,
                                                     QXPresetName::numCharacters)),
               "Drums Live");
}
