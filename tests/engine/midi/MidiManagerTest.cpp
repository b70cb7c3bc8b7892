#include "engine/MidiTestSupport.h"

#include "engine/midi/virtual/VirtualMidiPortLayer.h"

#include <gtest/gtest.h>

#include <thread>

using namespace MidiTestSupport;

namespace
{
/** Counts opens, to tell a reopen from a kept port; can change the listing just before an open,
    and can keep the layer's announcements to itself. */
struct CountingLayer : public MidiPortLayer
{
    CountingLayer (std::shared_ptr<MidiPortLayer> innerIn, bool announcesIn = true)
        : inner (std::move (innerIn)),
          announces (announcesIn)
    {
    }

    Devices getInputDevices() const override { return inner->getInputDevices(); }
    Devices getOutputDevices() const override { return inner->getOutputDevices(); }

    std::unique_ptr<InputPort> openInput (const Device& device, Callback callback) override
    {
        ++inputsOpened;
        std::exchange (beforeOpen, [] {})();
        return inner->openInput (device, std::move (callback));
    }

    std::unique_ptr<OutputPort> openOutput (const Device& device) override
    {
        ++outputsOpened;
        return inner->openOutput (device);
    }

    void addListener (Listener* listener) override
    {
        if (announces)
            inner->addListener (listener);
    }

    void removeListener (Listener* listener) override { inner->removeListener (listener); }

    std::atomic<int> inputsOpened { 0 }, outputsOpened { 0 };
    std::function<void()> beforeOpen = [] {};
    std::shared_ptr<MidiPortLayer> inner;
    const bool announces;
};

struct OutputSink
{
    explicit OutputSink (const juce::String& name, const juce::String& identifier = {})
        : device (std::make_shared<VirtualMidiOutput> (
            name, [this] (const juce::MidiMessage&) { ++received; }, identifier))
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

    /** The note the listener heard after the device sent it, or -1. */
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

TEST_F (MidiManagerTest, OpensTheFirstPortOfTheExactNameAndKeepsItForUnknownOrUnchangedNames)
{
    auto secondIn = std::make_shared<VirtualMidiInput> ("Keys");
    OutputSink secondOut { "Keys" };
    ports->plugIn (secondIn);
    ports->plugIn (secondOut.device);

    openBoth ("Keys");
    EXPECT_TRUE (manager.isConnected());
    EXPECT_EQ (manager.getOutputDeviceName(), "Keys");
    EXPECT_TRUE (manager.sendMessage (noteOn (60)));
    EXPECT_EQ (keysOut.received, 1);
    EXPECT_EQ (secondOut.received, 0);
    EXPECT_EQ (roundTrip (*secondIn, 59), -1);

    // Incoming MIDI arrives on the port's thread, as from a real port.
    otherIn->send (noteOn (1));
    EXPECT_EQ (roundTrip (*keysIn, 61), 61);
    EXPECT_NE (listener.threads().back(), juce::Thread::getCurrentThreadId());

    // Choosing another port closes the first.
    openBoth ("Other");
    EXPECT_TRUE (manager.sendMessage (noteOn (64)));
    EXPECT_EQ (otherOut.received, 1);
    EXPECT_EQ (keysOut.received, 1);
    keysIn->send (noteOn (2));
    EXPECT_EQ (roundTrip (*otherIn, 65), 65);
}

// ALSA gives a keyboard plugged back in the same identifier, and the port opened on it before
// stays deaf and mute; only the announcement of its exit tells the two apart.
TEST_F (MidiManagerTest, APortWhoseDeviceWentIsReopenedWhenTheDeviceIsBackEvenUnderTheSameIdentifier)
{
    enum Mend
    {
        watch,
        chooseAgain,
        announcement
    };

    // watch while gone, a new device under the old identifier, what mends the port
    const std::tuple<bool, bool, Mend> cases[] = { { true, false, watch },
                                                   { false, false, watch },
                                                   { false, true, watch },
                                                   { false, true, chooseAgain },
                                                   { false, true, announcement } };

    for (const auto& [watchWhileGone, newDevice, mend] : cases)
    {
        SCOPED_TRACE (testing::Message() << watchWhileGone << newDevice << mend);
        auto backIn = std::make_shared<VirtualMidiInput> ("Keys", keysIn->getIdentifier());
        OutputSink backOut { "Keys", keysOut.device->getIdentifier() };
        auto& liveIn = newDevice ? backIn : keysIn;
        auto& liveOut = newDevice ? backOut : keysOut;

        openBoth ("Keys");
        ASSERT_TRUE (manager.isConnected() && manager.isOutputOpen());
        const auto epochOpen = manager.getConnectionEpoch();
        const auto sentBefore = liveOut.received.load();

        ports->unplug (keysIn);
        ports->unplug (keysOut.device);

        if (watchWhileGone)
        {
            manager.checkDevices();
            EXPECT_EQ (manager.getInputDeviceName(), "Keys");
        }

        ports->plugIn (liveIn);
        ports->plugIn (liveOut.device);

        // Marked lost the moment the layer tells of the exit, before any watch.
        EXPECT_FALSE (manager.isConnected());
        EXPECT_FALSE (manager.sendMessage (noteOn (60)));
        const auto epochLost = manager.getConnectionEpoch();
        EXPECT_NE (epochLost, epochOpen);

        if (mend == watch)
            manager.checkDevices();
        else if (mend == chooseAgain)
            openBoth ("Keys");
        else
            EXPECT_TRUE (dispatchUntil ([&] { return manager.isConnected() && manager.isOutputOpen(); }, 500));

        EXPECT_TRUE (manager.sendMessage (noteOn (61)));
        EXPECT_EQ (liveOut.received, sentBefore + 1);
        EXPECT_EQ (roundTrip (*liveIn, 62), 62);
        EXPECT_NE (manager.getConnectionEpoch(), epochLost);

        ports->unplug (backIn);
        ports->unplug (backOut.device);
        ports->plugIn (keysIn);
        ports->plugIn (keysOut.device);
        manager.checkDevices();
        juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
    }
}

// A transfer compares the epoch at its start and end: it must move with every loss or reopen of
// the chosen ports (see the reconnect cases above too), and with nothing else.
TEST_F (MidiManagerTest, NothingOpensUntilChosenAndTheEpochChangesWhenAPortIsLostClosedOrOpenedAndOnlyThen)
{
    auto strangerIn = std::make_shared<VirtualMidiInput> ("Stranger");

    const struct
    {
        const char* what;
        std::function<void()> act;
        bool changes;
    } steps[] = {
        { "open", [&] { openBoth ("Keys"); }, true },
        { "send and receive",
          [&] {
              manager.sendMessage (noteOn (1));
              roundTrip (*keysIn, 2);
          },
          false },
        { "choose the open ports again, watch",
          [&] {
              openBoth ("Keys");
              manager.checkDevices();
          },
          false },
        { "choose an unknown name, or the name in other letter case",
          [&] {
              openBoth ("Nobody");
              openBoth ("keys");
          },
          false },
        { "another device comes and goes",
          [&] {
              ports->plugIn (strangerIn);
              ports->unplug (strangerIn);
              manager.checkDevices();
          },
          false },
        { "listeners come and go",
          [&] {
              RecordingListener other;
              manager.addListener (&other);
              manager.removeListener (&other);
          },
          false },
        { "another input chosen", [&] { manager.setInputDevice ("Other"); }, true },
        { "output unplugged, watch",
          [&] {
              ports->unplug (keysOut.device);
              manager.checkDevices();
          },
          true },
        { "watch with the output still gone", [&] { manager.checkDevices(); }, false },
    };

    // With nothing chosen, nothing is open, and the watch must not open anything under the empty name.
    manager.checkDevices();
    EXPECT_FALSE (manager.isConnected() || manager.isOutputOpen() || manager.sendMessage (noteOn (60)));
    EXPECT_EQ (counting->inputsOpened + counting->outputsOpened, 0);

    for (const auto& step : steps)
    {
        const auto before = manager.getConnectionEpoch();
        step.act();
        EXPECT_EQ (manager.getConnectionEpoch() != before, step.changes) << step.what;
    }

    EXPECT_EQ (counting->inputsOpened + counting->outputsOpened, 3); // the ports opened once, and one input
}

// The device chosen by name must be the one opened though the list changed in between.
TEST_F (MidiManagerTest, OpensTheDeviceListedUnderTheChosenNameThoughTheListChangesBeforeTheOpen)
{
    auto thirdIn = std::make_shared<VirtualMidiInput> ("Third");
    auto renamedIn = std::make_shared<VirtualMidiInput> ("Renamed", otherIn->getIdentifier());
    ports->plugIn (thirdIn);

    const struct
    {
        const char* what;
        std::function<void()> change;
        bool opensOther;
    } cases[] = {
        { "a device before it leaves", [&] { ports->unplug (keysIn); }, true },
        { "its identifier now names another device", [&] { ports->plugIn (renamedIn); }, false },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        counting->beforeOpen = c.change;
        manager.setInputDevice ("Other");
        EXPECT_EQ (manager.isConnected(), c.opensOther);
        EXPECT_EQ (roundTrip (*otherIn, 60), c.opensOther ? 60 : -1);
        EXPECT_EQ (roundTrip (*thirdIn, 61), -1); // the neighbour an index would have opened

        manager.setInputDevice ("Third");
        ports->plugIn (keysIn);
        ports->plugIn (otherIn);
    }
}

TEST_F (MidiManagerTest, TheWatchRunsEverySecondForALayerThatCannotTellOfChanges)
{
    MidiManager deaf { std::make_shared<CountingLayer> (ports, false) };
    deaf.setInputDevice ("Keys");
    deaf.setOutputDevice ("Keys");

    ports->unplug (keysIn);
    ports->unplug (keysOut.device);
    EXPECT_TRUE (deaf.isConnected()); // nobody told it yet
    EXPECT_TRUE (dispatchUntil ([&] { return ! deaf.isConnected() && ! deaf.isOutputOpen(); }));

    ports->plugIn (keysIn);
    ports->plugIn (keysOut.device);
    EXPECT_TRUE (dispatchUntil ([&] { return deaf.isConnected() && deaf.isOutputOpen(); }));
    EXPECT_TRUE (deaf.sendMessage (noteOn (60)));
    EXPECT_EQ (keysOut.received, 1);
}

// A device stalling a send (on the transfer thread) holds up neither the device watch nor the
// port queries that the message thread makes meanwhile.
TEST_F (MidiManagerTest, ASendStalledInTheDeviceHoldsUpNoDeviceWatchOrPortQuery)
{
    juce::WaitableEvent entered, release;
    auto stalling = std::make_shared<VirtualMidiOutput> ("Stalling", [&] (const juce::MidiMessage&) {
        entered.signal();
        release.wait (60000);
    });
    ports->plugIn (stalling);
    manager.setOutputDevice ("Stalling");
    std::thread sender ([&] { manager.sendMessage (noteOn (60)); });
    ASSERT_TRUE (entered.wait (5000));

    std::atomic<bool> answered { false };
    std::thread messageThread ([&] {
        manager.checkDevices();
        answered = manager.isOutputOpen();
    });
    EXPECT_TRUE (waitUntil ([&] { return answered.load(); }));

    release.signal();
    messageThread.join();
    sender.join();
    stalling->detach();
}

TEST (JuceMidiPortLayer, OpensNothingThatIsNotListed)
{
    MidiManager manager;
    EXPECT_EQ (manager.getPortLayer().openInput ({ "Nobody", "999-0" }, [] (const juce::MidiMessage&) {}), nullptr);
    EXPECT_EQ (manager.getPortLayer().openOutput ({ "Nobody", "" }), nullptr);
}
