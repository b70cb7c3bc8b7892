#include "engine/transfer/PortLock.h"
#include "engine/midi/MidiManager.h"
#include "engine/midi/virtual/VirtualMidiPortLayer.h"
#include "engine/transfer/Transfer.h"
#include "engine/transfer/TransferPacer.h"

#include <gtest/gtest.h>

#include <unistd.h>

using Outcome = PortLock::Outcome;
using State = TransferStatus::State;

namespace
{
const juce::String portName ("Port Lock Keys");

juce::String thisProgram()
{
    return juce::File::getSpecialLocation (juce::File::currentExecutableFile).getFileName() + " (process "
           + juce::String (static_cast<int> (::getpid())) + ")";
}

bool portIsFree()
{
    PortLock probe (PortLock::fileFor (portName));
    return probe.acquire (0, {}, [] (const juce::String&) {}) == Outcome::acquired;
}

class ScriptedTransfer : public Transfer
{
public:
    ScriptedTransfer (MidiManager& manager, std::function<bool (ScriptedTransfer&)> bodyIn)
        : Transfer (manager, {}, [] {}),
          body (std::move (bodyIn))
    {
    }

    bool run (TransferPacer&) override { return body (*this); }

    std::function<bool (ScriptedTransfer&)> body;
};

struct KeyboardPort
{
    KeyboardPort()
    {
        ports->plugIn (output);
        manager.setOutputDevice (portName);
    }

    ~KeyboardPort() { output->detach(); }

    std::shared_ptr<VirtualMidiPortLayer> ports = std::make_shared<VirtualMidiPortLayer>();
    std::shared_ptr<VirtualMidiOutput> output =
        std::make_shared<VirtualMidiOutput> (portName, [] (const juce::MidiMessage&) {});
    MidiManager manager { ports };
    TransferPacer pacer;
};
} // namespace

// The first holder lets go from inside the second's pause, so the hand-over needs no timing.
TEST (PortLockTest, ASecondHolderWaitsToldWhoHoldsThePort)
{
    const struct
    {
        const char* what;
        int limitMs;
        bool keepWaiting;
        bool firstLetsGo;
        Outcome expected;
    } cases[] = {
        { "the holder lets go", -1, true, true, Outcome::acquired },
        { "the wait runs out", 0, true, false, Outcome::timedOut },
        { "the wait is cancelled", -1, false, false, Outcome::stopped },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        auto first = std::make_unique<PortLock> (PortLock::fileFor (portName));
        ASSERT_EQ (first->acquire (0, {}, [] (const juce::String&) {}), Outcome::acquired);

        PortLock second (PortLock::fileFor (portName));
        juce::StringArray told;
        const auto outcome = second.acquire (
            c.limitMs,
            [&] (int) {
                if (c.firstLetsGo)
                    first.reset();
                return c.keepWaiting;
            },
            [&] (const juce::String& holder) { told.add (holder); });

        EXPECT_EQ (outcome, c.expected);
        EXPECT_EQ (told, juce::StringArray (thisProgram()));
    }
}

TEST (PortLockTest, ATransferHoldsThePortUntilItEndsHoweverItEnds)
{
    const struct
    {
        const char* what;
        std::function<bool (ScriptedTransfer&)> ending;
        State expected;
    } cases[] = {
        { "succeeds", [] (ScriptedTransfer&) { return true; }, State::succeeded },
        { "fails", [] (ScriptedTransfer&) { return false; }, State::failed },
        { "is cancelled", [] (ScriptedTransfer& t) { return t.cancel(), false; }, State::cancelled },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        KeyboardPort keyboard;
        bool heldWhileRunning = false;
        ScriptedTransfer transfer (keyboard.manager, [&] (ScriptedTransfer& t) {
            heldWhileRunning = ! portIsFree();
            return c.ending (t);
        });

        transfer.execute (keyboard.pacer);
        EXPECT_TRUE (heldWhileRunning);
        EXPECT_EQ (transfer.getStatus().state, c.expected);
        EXPECT_TRUE (portIsFree());
    }
}

TEST (PortLockTest, ATransferThatCannotHaveThePortFailsNamingTheHolder)
{
    KeyboardPort keyboard;
    PortLock other (PortLock::fileFor (portName));
    ASSERT_EQ (other.acquire (0, {}, [] (const juce::String&) {}), Outcome::acquired);
    bool ran = false;
    ScriptedTransfer transfer (keyboard.manager, [&] (ScriptedTransfer&) { return ran = true; });

    transfer.execute (keyboard.pacer, 0);
    EXPECT_FALSE (ran);
    EXPECT_EQ (transfer.getStatus().state, State::failed);
    EXPECT_EQ (transfer.getStatus().portHolder, thisProgram());
}
