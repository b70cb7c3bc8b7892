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

/** A device to receive what the manager sends. */
struct OutputSink
{
    explicit OutputSink (const juce::String& name)
        : device (std::make_shared<VirtualMidiOutput> (name, [this] (const juce::MidiMessage& m) { record (m); }))
    {
    }

    ~OutputSink() { device->detach(); }

    void record (const juce::MidiMessage& message)
    {
        const juce::ScopedLock sl (lock);
        received.push_back (message);
    }

    int count() const
    {
        const juce::ScopedLock sl (lock);
        return static_cast<int> (received.size());
    }

    juce::CriticalSection lock;
    std::vector<juce::MidiMessage> received;
    std::shared_ptr<VirtualMidiOutput> device;
};

class MidiManagerTest : public ::testing::Test
{
protected:
    MidiManagerTest()
    {
        ports->plugIn (keyboardIn);
        ports->plugIn (otherIn);
        ports->plugIn (keyboardOut.device);
        ports->plugIn (otherOut.device);
    }

    void openBoth()
    {
        manager.setInputDevice ("Keys");
        manager.setOutputDevice ("Keys");
    }

    std::shared_ptr<VirtualMidiPortLayer> ports = std::make_shared<VirtualMidiPortLayer>();
    std::shared_ptr<CountingLayer> counting = std::make_shared<CountingLayer> (ports);
    std::shared_ptr<VirtualMidiInput> keyboardIn = std::make_shared<VirtualMidiInput> ("Keys");
    std::shared_ptr<VirtualMidiInput> otherIn = std::make_shared<VirtualMidiInput> ("Other");
    OutputSink keyboardOut { "Keys" }, otherOut { "Other" };
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
    EXPECT_TRUE (manager.getOutputDeviceName().isEmpty());

    // The watch must not open anything under the empty name either.
    manager.checkDevices();
    EXPECT_FALSE (manager.isConnected());
    EXPECT_EQ (counting->inputsOpened + counting->outputsOpened, 0);
}

TEST_F (MidiManagerTest, OpensPortsByNameAndCarriesMessagesBothWays)
{
    manager.addListener (&listener);
    openBoth();

    EXPECT_TRUE (manager.isConnected());
    EXPECT_TRUE (manager.isOutputOpen());
    EXPECT_EQ (manager.getInputDeviceName(), "Keys");
    EXPECT_EQ (manager.getOutputDeviceName(), "Keys");

    EXPECT_TRUE (manager.sendMessage (noteOn (61)));
    ASSERT_EQ (keyboardOut.count(), 1);
    EXPECT_EQ (keyboardOut.received[0].getNoteNumber(), 61);
    EXPECT_EQ (otherOut.count(), 0);

    keyboardIn->send (noteOn (62));
    otherIn->send (noteOn (63));
    ASSERT_TRUE (waitUntil ([&] { return listener.count() == 1; }));

    // Incoming MIDI arrives on the port's thread, as from a real port.
    EXPECT_EQ (listener.received()[0].getNoteNumber(), 62);
    EXPECT_NE (listener.threads()[0], juce::Thread::getCurrentThreadId());
    manager.removeListener (&listener);
}

TEST_F (MidiManagerTest, AnUnknownNameKeepsTheOpenPortsAndTheSameNameDoesNotReopen)
{
    manager.addListener (&listener);
    openBoth();
    manager.setInputDevice ("Keys");
    manager.setOutputDevice ("Keys");
    EXPECT_EQ (counting->inputsOpened, 1);
    EXPECT_EQ (counting->outputsOpened, 1);

    manager.setInputDevice ("Nobody");
    manager.setOutputDevice ("keys"); // names compare exactly
    EXPECT_EQ (manager.getInputDeviceName(), "Keys");
    EXPECT_EQ (manager.getOutputDeviceName(), "Keys");
    EXPECT_EQ (counting->inputsOpened + counting->outputsOpened, 2);

    EXPECT_TRUE (manager.sendMessage (noteOn (64)));
    EXPECT_EQ (keyboardOut.count(), 1);
    keyboardIn->send (noteOn (65));
    EXPECT_TRUE (waitUntil ([&] { return listener.count() == 1; }));

    // Choosing another port closes the first.
    manager.setInputDevice ("Other");
    manager.setOutputDevice ("Other");
    EXPECT_TRUE (manager.sendMessage (noteOn (66)));
    EXPECT_EQ (otherOut.count(), 1);
    EXPECT_EQ (keyboardOut.count(), 1);
    keyboardIn->send (noteOn (67));
    otherIn->send (noteOn (68));
    ASSERT_TRUE (waitUntil ([&] { return listener.count() == 2; }));
    EXPECT_EQ (listener.received()[1].getNoteNumber(), 68);
    manager.removeListener (&listener);
}

TEST_F (MidiManagerTest, OfTwoPortsWithTheSameNameTheFirstIsOpened)
{
    auto secondIn = std::make_shared<VirtualMidiInput> ("Keys");
    OutputSink secondOut { "Keys" };
    ports->plugIn (secondIn);
    ports->plugIn (secondOut.device);

    manager.addListener (&listener);
    openBoth();
    EXPECT_EQ (counting->outputsOpened, 1);

    EXPECT_TRUE (manager.sendMessage (noteOn (60)));
    EXPECT_EQ (keyboardOut.count(), 1);
    EXPECT_EQ (secondOut.count(), 0);

    secondIn->send (noteOn (61));
    keyboardIn->send (noteOn (62));
    ASSERT_TRUE (waitUntil ([&] { return listener.count() >= 1; }));
    juce::Thread::sleep (20);
    EXPECT_EQ (listener.count(), 1);
    EXPECT_EQ (listener.received()[0].getNoteNumber(), 62);
    manager.removeListener (&listener);
}

TEST_F (MidiManagerTest, TheWatchClosesVanishedPortsAndReopensThemUnderTheChosenName)
{
    openBoth();
    ports->unplug (keyboardIn);
    ports->unplug (keyboardOut.device);
    manager.checkDevices();

    EXPECT_FALSE (manager.isConnected());
    EXPECT_FALSE (manager.isOutputOpen());
    EXPECT_FALSE (manager.sendMessage (noteOn (60)));
    EXPECT_EQ (manager.getInputDeviceName(), "Keys");

    // Still gone: nothing is opened in its place.
    manager.checkDevices();
    EXPECT_EQ (counting->inputsOpened, 1);

    ports->plugIn (keyboardOut.device);
    ports->plugIn (keyboardIn);
    manager.checkDevices();
    EXPECT_TRUE (manager.isConnected());
    EXPECT_TRUE (manager.sendMessage (noteOn (61)));
    EXPECT_EQ (keyboardOut.count(), 1);
}

TEST_F (MidiManagerTest, ADeviceReplacedBetweenTwoChecksIsReopened)
{
    manager.addListener (&listener);
    openBoth();

    // Unplugged and plugged in again before the watch looked: the name never left the list,
    // but the open ports belong to the device that went.
    auto newIn = std::make_shared<VirtualMidiInput> ("Keys");
    OutputSink newOut { "Keys" };
    ports->unplug (keyboardIn);
    ports->unplug (keyboardOut.device);
    ports->plugIn (newIn);
    ports->plugIn (newOut.device);
    manager.checkDevices();

    EXPECT_EQ (counting->inputsOpened, 2);
    EXPECT_TRUE (manager.sendMessage (noteOn (60)));
    EXPECT_EQ (newOut.count(), 1);
    newIn->send (noteOn (61));
    EXPECT_TRUE (waitUntil ([&] { return listener.count() == 1; }));

    // A live port is left alone.
    manager.checkDevices();
    EXPECT_EQ (counting->inputsOpened, 2);
    EXPECT_EQ (counting->outputsOpened, 2);
    manager.removeListener (&listener);
}

TEST_F (MidiManagerTest, TheWatchRunsEverySecondWithoutAnyUserAction)
{
    openBoth();
    ports->unplug (keyboardIn);
    ports->unplug (keyboardOut.device);
    EXPECT_TRUE (dispatchUntil ([&] { return ! manager.isConnected() && ! manager.isOutputOpen(); }, 5000));

    ports->plugIn (keyboardIn);
    ports->plugIn (keyboardOut.device);
    EXPECT_TRUE (dispatchUntil ([&] { return manager.isConnected() && manager.isOutputOpen(); }, 5000));
    EXPECT_TRUE (manager.sendMessage (noteOn (60)));
    EXPECT_EQ (keyboardOut.count(), 1);
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
    manager.addListener (&listener);
    manager.addListener (&last);
    manager.setInputDevice ("Keys");

    keyboardIn->send (noteOn (60));
    keyboardIn->send (noteOn (61));
    ASSERT_TRUE (waitUntil ([&] { return listener.count() == 2; }));
    juce::Thread::sleep (20);
    EXPECT_EQ (listener.count(), 2);

    manager.removeListener (&first);
    manager.removeListener (&listener);
    manager.removeListener (&last);
    EXPECT_EQ (order, (std::vector<int> { 2, 1, 2, 1 }));
}

TEST_F (MidiManagerTest, AListenerIsNeverCalledAfterItsRemovalReturns)
{
    struct GuardedListener : MidiManager::MidiManagerListener
    {
        void handleMidiMessage (const juce::MidiMessage&) override
        {
            if (removed)
                ++callsAfterRemoval;

            ++calls;
        }

        std::atomic<bool> removed { false };
        std::atomic<int> calls { 0 }, callsAfterRemoval { 0 };
    };

    manager.setInputDevice ("Keys");
    std::atomic<bool> streaming { true };
    std::thread sender ([&]
                        {
                            while (streaming)
                            {
                                keyboardIn->send (noteOn (60));
                                juce::Thread::yield();
                            }
                        });

    int totalCalls = 0, totalLateCalls = 0;

    for (int round = 0; round < 300; ++round)
    {
        auto guarded = std::make_unique<GuardedListener>();
        manager.addListener (guarded.get());
        waitUntil ([&] { return guarded->calls > 0; }, 200);
        manager.removeListener (guarded.get());
        guarded->removed = true;
        juce::Thread::yield();
        totalCalls += guarded->calls;
        totalLateCalls += guarded->callsAfterRemoval;
        guarded.reset(); // a late call would now touch freed memory
    }

    streaming = false;
    sender.join();

    EXPECT_GT (totalCalls, 0);
    EXPECT_EQ (totalLateCalls, 0);
}

TEST_F (MidiManagerTest, ListenersMayRemoveThemselvesAndOthersWhileBeingCalled)
{
    struct SelfRemover : MidiManager::MidiManagerListener
    {
        explicit SelfRemover (MidiManager& managerIn) : manager (managerIn) {}

        void handleMidiMessage (const juce::MidiMessage&) override
        {
            ++calls;
            manager.removeListener (this);
        }

        MidiManager& manager;
        std::atomic<int> calls { 0 };
    } remover { manager };

    manager.addListener (&listener);
    manager.addListener (&remover);
    manager.setInputDevice ("Keys");

    keyboardIn->send (noteOn (60));
    keyboardIn->send (noteOn (61));
    ASSERT_TRUE (waitUntil ([&] { return listener.count() == 2; }));
    EXPECT_EQ (remover.calls, 1);
    manager.removeListener (&listener);
}

TEST (CombinedMidiPortLayer, OffersEveryLayersPortsInOneList)
{
    auto first = std::make_shared<VirtualMidiPortLayer>();
    auto second = std::make_shared<VirtualMidiPortLayer>();
    auto a = std::make_shared<VirtualMidiInput> ("A");
    auto b = std::make_shared<VirtualMidiInput> ("B");
    auto c = std::make_shared<VirtualMidiInput> ("C");
    OutputSink outB { "B" };
    first->plugIn (a);
    second->plugIn (b);
    second->plugIn (c);
    second->plugIn (outB.device);

    MidiManager manager { std::make_shared<CombinedMidiPortLayer> (
        std::vector<std::shared_ptr<MidiPortLayer>> { first, second }) };
    EXPECT_EQ (manager.getPortLayer().getInputNames(), (juce::StringArray { "A", "B", "C" }));
    EXPECT_EQ (manager.getPortLayer().getOutputNames(), (juce::StringArray { "B" }));
    EXPECT_EQ (manager.getPortLayer().openInput (3, [] (const juce::MidiMessage&) {}), nullptr);

    RecordingListener listener;
    manager.addListener (&listener);
    manager.setInputDevice ("C");
    manager.setOutputDevice ("B");
    b->send (noteOn (1));
    c->send (noteOn (2));
    ASSERT_TRUE (waitUntil ([&] { return listener.count() == 1; }));
    EXPECT_EQ (listener.received()[0].getNoteNumber(), 2);
    EXPECT_TRUE (manager.sendMessage (noteOn (3)));
    EXPECT_EQ (outB.count(), 1);
    manager.removeListener (&listener);
}

TEST (JuceMidiPortLayer, ListsTheSystemsPortsAndOpensNothingOutOfRange)
{
    MidiManager manager;
    const auto inputs = manager.getPortLayer().getInputNames();
    EXPECT_EQ (manager.getPortLayer().openInput (inputs.size(), [] (const juce::MidiMessage&) {}), nullptr);
    EXPECT_EQ (manager.getPortLayer().openOutput (-1), nullptr);
    manager.setInputDevice ("No such port");
    EXPECT_FALSE (manager.isConnected());
}
