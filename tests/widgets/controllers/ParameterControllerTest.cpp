#include "widgets/WidgetTestSupport.h"

#include "model/controls/ControlGroup.h"
#include "widgets/bound/ControlToMidiControllerButton.h"
#include "widgets/bound/DoubleParameterControllerComboBox.h"
#include "widgets/bound/DoubleParamterControllerNumberBox.h"
#include "widgets/bound/SingleParameterControllerNumberBox.h"
#include "widgets/bound/TransportControllerNumberBox.h"

#include <gtest/gtest.h>

using namespace ControlGroup;
using WidgetTestSupport::flushMessages;
using WidgetTestSupport::typeInto;

namespace
{
struct ParameterControllerTest : ::testing::Test
{
    ~ParameterControllerTest() override { flushMessages(); }

    double shown (NumberBoxWithLabel& widget) { return widget.getNumberBox().getValue(); }

    WidgetTestSupport::TestEngine holder;
    QXEditorEngine::Ptr engine = holder.engine;
};
} // namespace

// Which widgets show an edit, and which byte it writes, the editor's binding tests check for every widget.
TEST_F (ParameterControllerTest, AStoredValueBeyondTheShownRangeIsShownAsItIsNeverStale)
{
    // "Curve" shares its byte with "Released" but shows only 1-8.
    DoubleParamterControllerNumberBox released (engine, "Released", 3, padGroup, 0, 127, 0);
    DoubleParamterControllerNumberBox curve (engine, "Curve", 3, padGroup, 1, 8, 1);
    typeInto (curve.getNumberBox(), "4");
    EXPECT_EQ (shown (released), 3.0);
    typeInto (released.getNumberBox(), "100");
    EXPECT_EQ (curve.getNumberBox().getText(), "101");

    SingleParameterControllerNumberBox keybedCurve (engine, "Curve", keybedGroup, 1, 8, 1);
    keybedCurve.parameterName = "Keybed Curve";
    holder.applyWith (keybedGroup, 0, "Keybed Curve", 8);
    EXPECT_EQ (keybedCurve.getNumberBox().getText(), "9");
    typeInto (keybedCurve.getNumberBox(), "2");
    EXPECT_EQ (holder.stored (keybedGroup, 0, "Keybed Curve"), 1);
}

TEST_F (ParameterControllerTest, AWidgetBuiltAfterAPresetShowsItAndOverwritesNothing)
{
    holder.applyWith (padGroup, 0, "Mode", 2);
    engine->setParameter (padGroup, 0, "MIDI Channel", 9, false);
    DoubleParameterControllerComboBox mode (engine, "Mode", 0, padGroup,
                                            { "Note", "CC Toggle", "CC Momentary", "Program Change" }, nullptr);
    DoubleParamterControllerNumberBox channel (engine, "MIDI Channel", 0, padGroup, 1, 16, 1);
    flushMessages();

    EXPECT_EQ (mode.getComboBox().getSelectedId(), 3);
    EXPECT_EQ (shown (channel), 10.0);
    EXPECT_EQ (holder.stored (padGroup, 0, "Mode"), 2);
    EXPECT_EQ (holder.stored (padGroup, 0, "MIDI Channel"), 9);
}

TEST_F (ParameterControllerTest, DestroyedWidgetsHearNothingWhicheverSideGoesFirst)
{
    {
        auto combo = std::make_unique<DoubleParameterControllerComboBox> (
            engine, "Mode", 0, knobGroup, juce::StringArray { "CC", "Aftertouch" }, nullptr);
        auto box = std::make_unique<SingleParameterControllerNumberBox> (engine, "Gate", rollModeGroup, 1, 99, 1);
        box->parameterName = "Swing";
        auto button = std::make_unique<ControlToMidiControllerButton> (engine, "Pads Midi To DIN");
        auto transport = std::make_unique<TransportControllerNumberBox> (engine, "CC", 5, 0, 127);
    }

    // Every control reports every name: a registration left behind would be called here.
    engine->applyPreset (ModelConstants::qx61DefaultPreset());
    flushMessages();
    EXPECT_EQ (engine->getReferenceCount(), 2);

    // The widget keeps the engine alive after the window's own reference is gone.
    auto widget = std::make_unique<DoubleParamterControllerNumberBox> (engine, "CC", 0, knobGroup, 0, 127, 0);
    holder.engine = nullptr;
    engine = nullptr;
    widget->setValue (12);
    widget.reset();
}
