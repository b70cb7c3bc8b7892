#include "engine/transfer/TransferTracker.h"

#include "engine/transfer/GetTransfer.h"
#include "engine/transfer/TransferQueue.h"

#include <algorithm>

TransferTracker::TransferTracker (TransferQueue& queueIn) : queue (queueIn) {}

TransferTracker::~TransferTracker()
{
    cancelAll();
}

void TransferTracker::cancelAll()
{
    for (auto& entry : entries)
    {
        if (! entry.left)
            queue.cancel (entry.transfer);

        entry.left = true;
    }
}

void TransferTracker::add (Entry entry)
{
    entries.push_back (entry);
    queue.add (entry.transfer);
}

bool TransferTracker::cancel (TransferStatus::Kind kind)
{
    bool any = false;

    for (auto& entry : entries)
    {
        if (entry.kind == kind && ! entry.cancelRequested && ! entry.isFinished())
        {
            // Marked first: a get that completed meanwhile must still apply nothing.
            entry.cancelRequested = true;
            queue.cancel (entry.transfer);
            entry.left = true;
            any = true;
        }
    }

    return any;
}

template <typename Predicate>
bool TransferTracker::anyUnfinished (Predicate&& predicate) const
{
    return std::any_of (entries.begin(), entries.end(),
                        [&] (const Entry& entry) { return ! entry.isFinished() && predicate (entry); });
}

bool TransferTracker::isRunning() const
{
    return anyUnfinished ([] (const Entry&) { return true; });
}

bool TransferTracker::isGetRunning() const
{
    return anyUnfinished ([] (const Entry& entry) { return entry.kind == TransferStatus::Kind::get; });
}

std::vector<TransferTracker::Change> TransferTracker::collectChanges (const Confirm& confirm)
{
    std::vector<Change> changes;

    for (auto& entry : entries)
    {
        if (entry.isFinished())
            continue;

        const auto status = confirm (entry, entry.transfer->getStatus());

        if (entry.reported != status)
        {
            entry.reported = status;
            changes.emplace_back (entry, status);
        }
    }

    forgetThoseLeft();
    return changes;
}

void TransferTracker::forgetThoseLeft()
{
    entries.erase (std::remove_if (entries.begin(), entries.end(),
                                   [] (const Entry& entry) {
                                       return entry.isFinished() && (entry.left || entry.transfer->hasEnded());
                                   }),
                   entries.end());
}
