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
const auto thisProgram = juce::File::getSpecialLocation (juce::File::currentExecutableFile).getFileName() + " (process "
                         + juce::String (static_cast<int> (::getpid())) + ")";

std::unique_ptr<PortLock> holdPort()
{
    auto lock = std::make_unique<PortLock> (PortLock::fileFor (portName));
    return lock->acquire (0, {}, [] (const juce::String&) {}) == Outcome::acquired ? std::move (lock) : nullptr;
}

struct ScriptedTransfer : Transfer
{
    ScriptedTransfer (MidiManager& m, std::function<bool (ScriptedTransfer&)> b) : Transfer (m, {}, [] {}), body (b) {}
    bool run (TransferPacer&) override { return body (*this); }
    std::function<bool (ScriptedTransfer&)> body;
};
} // namespace

// The first holder lets go from inside the second's pause, so the hand-over needs no timing.
TEST (PortLockTest, ASecondHolderWaitsToldWhoHoldsThePort)
{
    const struct
    {
        const char* what;
        int limitMs;
        bool keepWaiting, firstLetsGo;
        Outcome expected;
    } cases[] = {
        { "the holder lets go", -1, true, true, Outcome::acquired },
        { "the wait runs out", 0, true, false, Outcome::timedOut },
        { "the wait is cancelled", -1, false, false, Outcome::stopped },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        auto first = holdPort();
        ASSERT_NE (first, nullptr);
        PortLock second (PortLock::fileFor (portName));
        juce::StringArray told;
        const auto pause = [&] (int) { return c.firstLetsGo ? (first.reset(), true) : c.keepWaiting; };

        EXPECT_EQ (second.acquire (c.limitMs, pause, [&] (const juce::String& holder) { told.add (holder); }),
                   c.expected);
        EXPECT_EQ (told, juce::StringArray (thisProgram));
    }
}

// However a transfer ends, the port is free afterwards; one that cannot have it fails unrun,
// naming the holder.
TEST (PortLockTest, ATransferHoldsThePortForItsRunOnly)
{
    const struct
    {
        const char* what;
        bool portHeldElsewhere;
        std::function<bool (ScriptedTransfer&)> ending;
        State expected;
    } cases[] = {
        { "succeeds", false, [] (ScriptedTransfer&) { return true; }, State::succeeded },
        { "fails", false, [] (ScriptedTransfer&) { return false; }, State::failed },
        { "is cancelled", false, [] (ScriptedTransfer& t) { return t.cancel(), false; }, State::cancelled },
        { "finds the port held", true, [] (ScriptedTransfer&) { return true; }, State::failed },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        auto ports = std::make_shared<VirtualMidiPortLayer>();
        auto output = std::make_shared<VirtualMidiOutput> (portName, [] (const juce::MidiMessage&) {});
        ports->plugIn (output);
        MidiManager manager (ports);
        manager.setOutputDevice (portName);
        TransferPacer pacer;
        auto other = c.portHeldElsewhere ? holdPort() : nullptr;
        bool heldWhileRunning = false;
        ScriptedTransfer transfer (manager, [&] (ScriptedTransfer& t) {
            heldWhileRunning = holdPort() == nullptr;
            return c.ending (t);
        });

        transfer.execute (pacer, 0);
        EXPECT_EQ (transfer.getStatus().state, c.expected);
        EXPECT_EQ (transfer.getStatus().portHolder, c.portHeldElsewhere ? thisProgram : juce::String());
        EXPECT_EQ (heldWhileRunning, ! c.portHeldElsewhere) << "held while running, and not run without it";
        other.reset();
        EXPECT_NE (holdPort(), nullptr);
        output->detach();
    }
}
