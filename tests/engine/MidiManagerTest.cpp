#include "MidiTestSupport.h"

#include "engine/CombinedMidiPortLayer.h"
#include "engine/VirtualMidiPortLayer.h"

#include <gtest/gtest.h>

#include <thread>

using namespace MidiTestSupport;

namespace
{
/** Counts how often ports are opened, to tell a reopen from keeping a port. */
class CountingLayer : public MidiPortLayer
{
public:
    explicit CountingLayer (std::shared_ptr<MidiPortLayer> innerIn) : inner (std::move (innerIn)) {}

    juce::StringArray getInputNames() const override { return inner->getInputNames(); }
    juce::StringArray getOutputNames() const override { return inner->getOutputNames(); }

    std::unique_ptr<InputPort> openInput (int index, Callback callback) override
    {
        ++inputsOpened;
        return inner->openInput (index, std::move (callback));
    }

    std::unique_ptr<OutputPort> openOutput (int index) override
    {
        ++outputsOpened;
        return inner->openOutput (index);
    }

    std::atomic<int> inputsOpened { 0 }, outputsOpened { 0 };

private:
    std::shared_ptr<MidiPortLayer> inner;
};

/** A device that counts what the manager sends it. */
struct OutputSink
{
    explicit OutputSink (const juce::String& name)
        : device (std::make_shared<VirtualMidiOutput> (name, [this] (const juce::MidiMessage&) { ++received; }))
    {
    }

    ~OutputSink() { device->detach(); }

    std::atomic<int> received { 0 };
    std::shared_ptr<VirtualMidiOutput> device;
};

class MidiManagerTest : public ::testing::Test
{
protected:
    MidiManagerTest()
    {
        ports->plugIn (keysIn);
        ports->plugIn (otherIn);
        ports->plugIn (keysOut.device);
        ports->plugIn (otherOut.device);
        manager.addListener (&listener);
    }

    ~MidiManagerTest() override { manager.removeListener (&listener); }

    void openBoth (const juce::String& name)
    {
        manager.setInputDevice (name);
        manager.setOutputDevice (name);
    }

    /** Sends a note from the device and waits until the listener has had it. */
    int roundTrip (VirtualMidiInput& device, int note)
    {
        const auto before = listener.count();
        device.send (noteOn (note));
        waitUntil ([&] { return listener.count() > before; }, 1000);
        return listener.count() > before ? listener.received().back().getNoteNumber() : -1;
    }

    std::shared_ptr<VirtualMidiPortLayer> ports = std::make_shared<VirtualMidiPortLayer>();
    std::shared_ptr<CountingLayer> counting = std::make_shared<CountingLayer> (ports);
    std::shared_ptr<VirtualMidiInput> keysIn = std::make_shared<VirtualMidiInput> ("Keys");
    std::shared_ptr<VirtualMidiInput> otherIn = std::make_shared<VirtualMidiInput> ("Other");
    OutputSink keysOut { "Keys" }, otherOut { "Other" };
    RecordingListener listener;
    MidiManager manager { counting };
};
} // namespace

TEST_F (MidiManagerTest, WithNoDeviceChosenNothingIsOpenAndSendingIsRefused)
{
    EXPECT_FALSE (manager.isConnected());
    EXPECT_FALSE (manager.isOutputOpen());
    EXPECT_FALSE (manager.sendMessage (noteOn (60)));
    EXPECT_TRUE (manager.getInputDeviceName().isEmpty());

    // The watch must not open anything under the empty name either.
    manager.checkDevices();
    EXPECT_FALSE (manager.isConnected());
    EXPECT_EQ (counting->inputsOpened + counting->outputsOpened, 0);
}

TEST_F (MidiManagerTest, OpensPortsByExactNameAndKeepsThemForUnknownOrUnchangedNames)
{
    openBoth ("Keys");
    EXPECT_TRUE (manager.isConnected());
    EXPECT_EQ (manager.getOutputDeviceName(), "Keys");
    EXPECT_TRUE (manager.sendMessage (noteOn (60)));
    EXPECT_EQ (keysOut.received, 1);

    // Incoming MIDI arrives on the port's thread, as from a real port.
    otherIn->send (noteOn (1));
    EXPECT_EQ (roundTrip (*keysIn, 61), 61);
    EXPECT_NE (listener.threads().back(), juce::Thread::getCurrentThreadId());

    openBoth ("Keys");
    openBoth ("Nobody");
    openBoth ("keys");
    EXPECT_EQ (manager.getInputDeviceName(), "Keys");
    EXPECT_EQ (counting->inputsOpened + counting->outputsOpened, 2);
    EXPECT_TRUE (manager.sendMessage (noteOn (62)));
    EXPECT_EQ (keysOut.received, 2);
    EXPECT_EQ (roundTrip (*keysIn, 63), 63);

    // Choosing another port closes the first.
    openBoth ("Other");
    EXPECT_TRUE (manager.sendMessage (noteOn (64)));
    EXPECT_EQ (otherOut.received, 1);
    EXPECT_EQ (keysOut.received, 2);
    keysIn->send (noteOn (2));
    EXPECT_EQ (roundTrip (*otherIn, 65), 65);
}

TEST_F (MidiManagerTest, OfTwoPortsWithTheSameNameOnlyTheFirstIsOpened)
{
    auto secondIn = std::make_shared<VirtualMidiInput> ("Keys");
    OutputSink secondOut { "Keys" };
    ports->plugIn (secondIn);
    ports->plugIn (secondOut.device);

    openBoth ("Keys");
    EXPECT_EQ (counting->outputsOpened, 1);
    EXPECT_TRUE (manager.sendMessage (noteOn (60)));
    EXPECT_EQ (keysOut.received, 1);
    EXPECT_EQ (secondOut.received, 0);
    EXPECT_EQ (roundTrip (*secondIn, 61), -1);
}

TEST_F (MidiManagerTest, TheWatchClosesVanishedPortsAndReopensThemUnderTheChosenName)
{
    openBoth ("Keys");
    ports->unplug (keysIn);
    ports->unplug (keysOut.device);
    manager.checkDevices();
    EXPECT_FALSE (manager.isConnected());
    EXPECT_FALSE (manager.isOutputOpen());
    EXPECT_FALSE (manager.sendMessage (noteOn (60)));
    EXPECT_EQ (manager.getInputDeviceName(), "Keys");

    manager.checkDevices();
    EXPECT_EQ (counting->inputsOpened, 1);

    ports->plugIn (keysOut.device);
    ports->plugIn (keysIn);
    manager.checkDevices();
    EXPECT_TRUE (manager.sendMessage (noteOn (61)));
    EXPECT_EQ (keysOut.received, 1);
    EXPECT_EQ (roundTrip (*keysIn, 62), 62);
}

TEST_F (MidiManagerTest, ADeviceReplacedBetweenTwoChecksIsReopened)
{
    openBoth ("Keys");

    // The name never left the list, but the open ports belong to the device that went.
    auto newIn = std::make_shared<VirtualMidiInput> ("Keys");
    OutputSink newOut { "Keys" };
    ports->unplug (keysIn);
    ports->unplug (keysOut.device);
    ports->plugIn (newIn);
    ports->plugIn (newOut.device);
    manager.checkDevices();

    EXPECT_TRUE (manager.sendMessage (noteOn (60)));
    EXPECT_EQ (newOut.received, 1);
    EXPECT_EQ (roundTrip (*newIn, 61), 61);

    // A live port is left alone.
    manager.checkDevices();
    EXPECT_EQ (counting->inputsOpened, 2);
    EXPECT_EQ (counting->outputsOpened, 2);
}

TEST_F (MidiManagerTest, TheWatchRunsEverySecondWithoutAnyUserAction)
{
    openBoth ("Keys");
    ports->unplug (keysIn);
    ports->unplug (keysOut.device);
    EXPECT_TRUE (dispatchUntil ([&] { return ! manager.isConnected() && ! manager.isOutputOpen(); }));

    ports->plugIn (keysIn);
    ports->plugIn (keysOut.device);
    EXPECT_TRUE (dispatchUntil ([&] { return manager.isConnected() && manager.isOutputOpen(); }));
}

TEST_F (MidiManagerTest, ListenersHearEachMessageOnceMostRecentlyAddedFirst)
{
    std::vector<int> order;

    struct OrderListener : MidiManager::MidiManagerListener
    {
        OrderListener (std::vector<int>& orderIn, int idIn) : order (orderIn), id (idIn) {}
        void handleMidiMessage (const juce::MidiMessage&) override { order.push_back (id); }
        std::vector<int>& order;
        int id;
    } first { order, 1 }, last { order, 2 };

    manager.addListener (nullptr);
    manager.addListener (&first);
    manager.addListener (&listener);
    manager.addListener (&last);
    manager.setInputDevice ("Keys");

    roundTrip (*keysIn, 60);
    roundTrip (*keysIn, 61);
    EXPECT_EQ (listener.count(), 2);

    manager.removeListener (&first);
    manager.removeListener (&last);
    EXPECT_EQ (order, (std::vector<int> { 2, 1, 2, 1 }));
}

TEST_F (MidiManagerTest, AListenerIsNeverCalledAfterItsRemovalReturnsNorMissedByOthersWhenOneRemovesItself)
{
    struct GuardedListener : MidiManager::MidiManagerListener
    {
        explicit GuardedListener (MidiManager* removeOnCallIn = nullptr) : removeOnCall (removeOnCallIn) {}

        void handleMidiMessage (const juce::MidiMessage&) override
        {
            callsAfterRemoval += removed ? 1 : 0;
            ++calls;

            if (removeOnCall != nullptr)
                removeOnCall->removeListener (this);
        }

        MidiManager* removeOnCall;
        std::atomic<bool> removed { false };
        std::atomic<int> calls { 0 }, callsAfterRemoval { 0 };
    };

    manager.setInputDevice ("Keys");
    std::atomic<bool> streaming { true };
    std::thread sender ([&]
                        {
                            while (streaming)
                            {
                                keysIn->send (noteOn (60));
                                juce::Thread::yield();
                            }
                        });

    int totalCalls = 0, totalLateCalls = 0;

    for (int round = 0; round < 300; ++round)
    {
        auto guarded = std::make_unique<GuardedListener>();
        GuardedListener selfRemover (&manager);
        manager.addListener (guarded.get());
        manager.addListener (&selfRemover);
        waitUntil ([&] { return guarded->calls > 0; }, 200);
        manager.removeListener (guarded.get());
        guarded->removed = true;
        manager.removeListener (&selfRemover);
        juce::Thread::yield();
        totalCalls += guarded->calls;
        totalLateCalls += guarded->callsAfterRemoval;
        EXPECT_LE (selfRemover.calls, 1);
        guarded.reset(); // a late call would now touch freed memory
    }

    streaming = false;
    sender.join();
    EXPECT_GT (totalCalls, 0);
    EXPECT_EQ (totalLateCalls, 0);
}

TEST (CombinedMidiPortLayer, OffersEveryLayersPortsInOneList)
{
    auto system = std::make_shared<VirtualMidiPortLayer>();
    auto simulator = std::make_shared<VirtualMidiPortLayer>();
    auto a = std::make_shared<VirtualMidiInput> ("A");
    auto b = std::make_shared<VirtualMidiInput> ("B");
    OutputSink outB { "B" };
    system->plugIn (a);
    simulator->plugIn (b);
    simulator->plugIn (outB.device);

    MidiManager manager { std::make_shared<CombinedMidiPortLayer> (
        std::vector<std::shared_ptr<MidiPortLayer>> { system, simulator }) };
    EXPECT_EQ (manager.getAvailableInputNames(), (juce::StringArray { "A", "B" }));
    EXPECT_EQ (manager.getAvailableOutputNames(), (juce::StringArray { "B" }));
    EXPECT_EQ (manager.getPortLayer().openInput (2, [] (const juce::MidiMessage&) {}), nullptr);

    RecordingListener listener;
    manager.addListener (&listener);
    manager.setInputDevice ("B");
    manager.setOutputDevice ("B");
    a->send (noteOn (1));
    b->send (noteOn (2));
    ASSERT_TRUE (waitUntil ([&] { return listener.count() == 1; }));
    EXPECT_EQ (listener.received()[0].getNoteNumber(), 2);
    EXPECT_TRUE (manager.sendMessage (noteOn (3)));
    EXPECT_EQ (outB.received, 1);
    manager.removeListener (&listener);
}

TEST (JuceMidiPortLayer, OpensNothingThatIsNotListed)
{
    MidiManager manager;
    EXPECT_EQ (manager.getPortLayer().openInput (manager.getAvailableInputNames().size(), [] (const juce::MidiMessage&) {}), nullptr);
    EXPECT_EQ (manager.getPortLayer().openOutput (-1), nullptr);
}
