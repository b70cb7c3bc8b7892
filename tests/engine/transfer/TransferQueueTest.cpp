#include "engine/transfer/TransferQueue.h"
#include "engine/MidiTestSupport.h"
#include "engine/midi/MidiManager.h"
#include "engine/midi/virtual/VirtualMidiPortLayer.h"
#include "engine/transfer/Transfer.h"

#include <gtest/gtest.h>

namespace
{
/** Runs until released or cancelled, noting when it ran against the others. */
class HeldTransfer : public Transfer
{
public:
    HeldTransfer (MidiManager& manager, std::atomic<int>& runningIn)
        : Transfer (manager, {}, [] {}),
          running (runningIn)
    {
    }

    bool run (TransferPacer&) override
    {
        overlapped = overlapped || running++ > 0;
        started = true;
        auto ok = true;
        while (ok && ! released)
            ok = waitFor (5);
        --running;
        return ok;
    }

    std::atomic<bool> started { false }, released { false }, overlapped { false };

private:
    std::atomic<int>& running;
};

bool waitFor (const std::atomic<bool>& flag)
{
    return MidiTestSupport::waitUntil ([&] { return flag.load(); }, 5000);
}
} // namespace

TEST (TransferQueueTest, RunsOneAtATimeInOrderAndACancelledOneThatWaitsNeverRuns)
{
    MidiManager manager { std::make_shared<VirtualMidiPortLayer>() };
    std::atomic<int> running { 0 };
    std::vector<std::shared_ptr<HeldTransfer>> transfers;
    for (int i = 0; i < 3; ++i)
        transfers.push_back (std::make_shared<HeldTransfer> (manager, running));

    TransferQueue queue;
    for (auto& transfer : transfers)
        queue.add (transfer);

    ASSERT_TRUE (waitFor (transfers[0]->started));
    queue.cancel (transfers[1]);
    EXPECT_EQ (transfers[1]->getStatus().state, TransferStatus::State::waiting) << "cancelled before it ran";

    transfers[0]->released = true;
    ASSERT_TRUE (waitFor (transfers[2]->started));
    EXPECT_EQ (transfers[0]->getStatus().state, TransferStatus::State::succeeded);

    // Cancelling the running one returns only once it can send nothing more.
    queue.cancel (transfers[2]);
    EXPECT_EQ (transfers[2]->getStatus().state, TransferStatus::State::cancelled);
    EXPECT_FALSE (transfers[1]->started || queue.isBusy());
    EXPECT_FALSE (transfers[0]->overlapped || transfers[2]->overlapped);
}

TEST (TransferQueueTest, GoingAwayCancelsWhatRunsAndWhatWaits)
{
    MidiManager manager { std::make_shared<VirtualMidiPortLayer>() };
    std::atomic<int> running { 0 };
    auto first = std::make_shared<HeldTransfer> (manager, running);
    auto second = std::make_shared<HeldTransfer> (manager, running);
    {
        TransferQueue queue;
        queue.add (first);
        queue.add (second);
        ASSERT_TRUE (waitFor (first->started));
    }

    EXPECT_EQ (first->getStatus().state, TransferStatus::State::cancelled);
    EXPECT_TRUE (second->isCancelled());
    EXPECT_FALSE (second->started);
}
