#include "engine/transfer/TransferQueue.h"

#include "engine/transfer/Transfer.h"

#include <algorithm>

TransferQueue::TransferQueue() : thread ([this] { run(); }) {}

TransferQueue::~TransferQueue()
{
    {
        const std::lock_guard<std::mutex> guard (mutex);
        stopping = true;

        for (auto& transfer : waiting)
            transfer->cancel();

        if (running != nullptr)
            running->cancel();
    }

    changed.notify_all();
    thread.join();
}

void TransferQueue::add (std::shared_ptr<Transfer> transfer)
{
    {
        const std::lock_guard<std::mutex> guard (mutex);
        waiting.push_back (std::move (transfer));
    }

    changed.notify_all();
}

void TransferQueue::cancel (const std::shared_ptr<Transfer>& transfer)
{
    transfer->cancel();

    std::unique_lock<std::mutex> guard (mutex);
    waiting.erase (std::remove (waiting.begin(), waiting.end(), transfer), waiting.end());
    changed.wait (guard, [&] { return running != transfer; });
}

bool TransferQueue::isBusy() const
{
    const std::lock_guard<std::mutex> guard (mutex);
    return running != nullptr || ! waiting.empty();
}

void TransferQueue::run()
{
    TransferPacer::raiseThreadPriorityWherePermitted();
    std::unique_lock<std::mutex> guard (mutex);

    for (;;)
    {
        changed.wait (guard, [this] { return stopping || ! waiting.empty(); });

        if (stopping)
            return;

        running = waiting.front();
        waiting.pop_front();
        guard.unlock();

        running->execute (pacer, portLockWaitMs);

        guard.lock();
        running.reset();
        changed.notify_all();
    }
}
