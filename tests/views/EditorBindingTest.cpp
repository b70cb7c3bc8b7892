#include "views/ViewTestSupport.h"

#include "model/ControlGroup.h"
#include "views/BankView.h"
#include "views/EditorComponent.h"
#include "views/Q61ProductProductImageViewSelector.h"
#include "views/TabSelectorButtons.h"
#include "widgets/ComboBoxWithLabel.h"
#include "widgets/ControlToMidiControllerButton.h"
#include "widgets/NumberBoxWithLabel.h"
#include "widgets/ParameterController.h"

#include <gtest/gtest.h>

#include <set>

using namespace ControlGroup;

namespace
{
/** One widget of the editor and the control its view says it edits. */
struct Binding
{
    juce::Component* widget;
    ParameterController* controller;
    int groupId;
    int index;
};

/** Every widget of every view, hidden banks included, with the control it should address. */
std::vector<Binding> collectEditor (const EditorComponent& editor)
{
    const int groupOfView[] = { -1, knobGroup, switchGroup, padGroup, rollModeGroup, transportGroup,
                                keybedGroup, wheelsGroup, sustainGroup };
    std::vector<Binding> bindings;

    const auto collect = [&bindings] (juce::Component& root, int groupId, int index) {
        for (auto* component : findAll<juce::Component> (root))
        {
            if (auto* controller = dynamic_cast<ParameterController*> (component))
            {
                const bool toggle = dynamic_cast<ControlToMidiControllerButton*> (component) != nullptr;
                bindings.push_back ({ component, controller, toggle ? midiToDinGroup : groupId, toggle ? 0 : index });
            }
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

int offsetOf (const juce::String& caption)
{
    if (caption == "MIDI Channel" || caption == "Curve" || caption == "Gate" || caption == "Split Point")
        return 1;
    if (caption == "Transpose")
        return -12;
    if (caption == "Swing")
        return 50;
    return 0;
}

class EditorBindingTest : public ::testing::Test
{
protected:
    EditorBindingTest()
        : editor (std::make_unique<TabSelectorButtons>(), std::make_unique<Q61ProductProductImageViewSelector>(),
                  engine.engine, engine.constants.numKnobs, engine.constants.numPads, engine.constants.numSwitches),
          bindings (collectEditor (editor))
    {
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

    void expectShowsModel (const Binding& binding) const
    {
        const auto stored = controlOf (binding).getParameter (binding.controller->parameterName);
        const auto where = binding.controller->parameterName + " of group " + juce::String (binding.groupId)
                           + " index " + juce::String (binding.index);

        if (auto* button = dynamic_cast<ControlToMidiControllerButton*> (binding.widget))
        {
            EXPECT_EQ (button->getButton().getToggleState(), stored != 0) << where;
        }
        else if (auto* combo = dynamic_cast<ComboBoxWithLabel*> (binding.widget))
        {
            const auto expectedId = stored < combo->getComboBox().getNumItems() ? stored + 1 : 0;
            EXPECT_EQ (combo->getComboBox().getSelectedId(), expectedId) << where;
        }
        else if (auto* number = dynamic_cast<NumberBoxWithLabel*> (binding.widget))
        {
            auto& box = number->getNumberBox();
            EXPECT_EQ (box.getText(), juce::String (stored + offsetOf (box.getName()))) << where;
        }
        else
        {
            ADD_FAILURE() << "unknown widget for " << where;
        }
    }

    /** Changes the widget as a user would, to another value it offers. */
    static void edit (const Binding& binding)
    {
        if (auto* button = dynamic_cast<ControlToMidiControllerButton*> (binding.widget))
        {
            button->getButton().triggerClick();
            deliverPendingMessages();
        }
        else if (auto* combo = dynamic_cast<ComboBoxWithLabel*> (binding.widget))
        {
            auto& box = combo->getComboBox();
            box.setSelectedId (box.getSelectedId() == 1 ? 2 : 1, juce::sendNotificationSync);
        }
        else if (auto* number = dynamic_cast<NumberBoxWithLabel*> (binding.widget))
        {
            auto& box = number->getNumberBox();
            const auto minimum = juce::roundToInt (box.getMinimum());
            typeText (box, juce::String (juce::roundToInt (box.getValue()) == minimum ? minimum + 1 : minimum));
        }
    }

    TestEngine engine;
    EditorComponent editor;
    std::vector<Binding> bindings;
};
} // namespace

TEST_F (EditorBindingTest, EveryParameterHasAWidget)
{
    // Knobs 8, pads 17, switches 13 each; the rest as the sections list them.
    EXPECT_EQ (bindings.size(), 16u * 8 + 16 * 17 + 48 * 13 + 4 + 6 * 2 + 2 + 3 * 5 + 7 + 4 + 5);

    std::set<std::tuple<int, int, juce::String>> bound;

    for (const auto& binding : bindings)
        bound.insert ({ binding.groupId, binding.index, binding.controller->parameterName });

    // The preset name has no widget in these views.
    for (int groupId = keybedGroup; groupId <= midiToDinGroup; ++groupId)
    {
        for (int index = 0; index < engine.engine->getModel().getNumControls (groupId); ++index)
            for (const auto& name : engine.control (groupId, index).getParameterNames())
                EXPECT_EQ (bound.count ({ groupId, index, name }), 1u)
                    << name << " of group " << groupId << " index " << index;
    }
}

TEST_F (EditorBindingTest, EveryWidgetShowsAPresetAppliedThroughTheEngine)
{
    for (const auto& preset : { randomPreset (1), randomPreset (2), randomPreset (3), engine.defaultPreset() })
    {
        engine.apply (preset);

        for (const auto& binding : bindings)
            expectShowsModel (binding);
    }
}

TEST_F (EditorBindingTest, AnEditInAnyWidgetChangesExactlyOneByteOfItsControl)
{
    engine.apply (randomPreset (7));

    for (const auto& binding : bindings)
    {
        const auto before = engine.data();
        edit (binding);
        const auto after = engine.data();

        const auto& control = controlOf (binding);
        const auto expectedByte = control.getImageOffset() + control.getParameterIndex (binding.controller->parameterName);
        juce::Array<int> changed;

        for (int i = 0; i < after.size(); ++i)
            if (after[i] != before[i])
                changed.add (i);

        ASSERT_EQ (changed, juce::Array<int> (expectedByte))
            << binding.controller->parameterName << " of group " << binding.groupId << " index " << binding.index;

        // Every widget of that control shows the edit, the rows of the modes not shown included.
        for (const auto& other : bindings)
            if (other.groupId == binding.groupId && other.index == binding.index)
                expectShowsModel (other);
    }
}
