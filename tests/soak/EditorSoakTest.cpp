// Many editors opened and closed while their gets and combo box updates are still in flight.
// Run under AddressSanitizer, a call into a closed editor's widgets or a leak fails the suite.
#include "engine/EngineTestSupport.h"
#include "engine/MidiTestSupport.h"
#include "engine/simulator/SimulatedKeyboard.h"
#include "views/EditorComponent.h"
#include "views/Q61ProductProductImageViewSelector.h"
#include "views/TabSelectorButtons.h"
#include "widgets/WidgetTestSupport.h"

#include <gtest/gtest.h>

using namespace EngineTestSupport;
using namespace MidiTestSupport;

namespace
{
/** An editor on the desktop, as a window shows it (a bare top-level component: the virtual
    display runs no window manager to decorate it). */
struct EditorWindow
{
    EditorWindow (QXEditorEngine::Ptr engine, const ModelConstants& constants)
        : editor (std::make_unique<TabSelectorButtons>(), std::make_unique<Q61ProductProductImageViewSelector>(),
                  engine, constants.numKnobs, constants.numPads, constants.numSwitches)
    {
    }

    EditorComponent editor;
    WidgetTestSupport::OnDesktop onDesktop { editor };
};

// Its own engine stays idle; each window gets one of its own.
struct EditorSoakTest : public ::testing::Test, public KeyboardRig
{};
} // namespace

TEST_F (EditorSoakTest, TwentyEditorsClosedWithGetsAndUpdatesInFlight)
{
    keyboard.setReplyBehaviour ({ 0, 2 });
    const auto shifted = [this] {
        auto message = ModelConstants::qx61DefaultPreset();
        for (int i = PresetLayout::messageDataStart; i < message.size() - 1; ++i)
            message.set (i, static_cast<juce::uint8> (message[i] == 0 ? 1 : message[i] - 1));
        return message;
    }();

    for (int window = 0; window < 20; ++window)
    {
        const auto slot = static_cast<juce::uint8> (window % SimulatedKeyboard::numSlots);
        auto windowEngine = constants.makeEngine (link);
        windowEngine->setTiming ({ 0, 0, 2000, 3 });
        auto editor = std::make_unique<EditorWindow> (windowEngine, constants.model);

        // Combo boxes post their updates; some are delivered, some are still queued at the close.
        windowEngine->applyPreset (shifted);
        if (window % 3 == 0)
            dispatchUntil ([] { return false; }, 20);

        windowEngine->startGet (slot);
        ASSERT_TRUE (windowEngine->isGetRunning());

        if (window % 2 == 0)
            dispatchUntil ([] { return false; }, 5);

        editor = nullptr;
        EXPECT_EQ (windowEngine->getReferenceCount(), 1) << "a closed editor still holds its engine";

        // Every other engine outlives its editor until the get ends and applies the preset with no
        // widgets left; the others go with the get still running.
        if (window % 2 == 0)
        {
            ASSERT_TRUE (dispatchUntil ([&] { return ! windowEngine->isGetRunning(); }, 30000));
            EXPECT_EQ (windowEngine->getModel().collectData(), keyboard.getSlotData (slot));
        }

        windowEngine = nullptr;

        // The keyboard answers no slot in its replies; the next get must not hear this one's.
        ASSERT_TRUE (keyboard.waitUntilIdle (10000));
    }

    EXPECT_EQ (midiManager.getNumListeners(), 0);
    ASSERT_TRUE (keyboard.waitUntilIdle (10000));
    dispatchUntil ([] { return false; }, 300);
}
