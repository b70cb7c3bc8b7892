#pragma once

#include "engine/transfer/TransferStatus.h"
#include "model/controls/Control.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class GetTransfer;
class Transfer;
class TransferQueue;

/** The transfers one engine has started, kept on the message thread in the order they started:
    what each last reported and whether the user cancelled it.

    A transfer's status reads finished a moment before the transfer thread makes its last call
    back, so a finished transfer stays listed until the thread has left it; the destructor waits
    for every transfer still listed. Whatever the callbacks reach therefore outlives them. */
class TransferTracker
{
public:
    struct Entry
    {
        std::shared_ptr<Transfer> transfer;
        std::shared_ptr<GetTransfer> get; // the same transfer, when it is a get
        TransferStatus::Kind kind = TransferStatus::Kind::get;
        Control::Bytes sentData;                // what a send writes: the keyboard holds it once it ends well
        std::uint64_t cleanMark = 0;            // when the sent copy was taken, for the engine's clean point
        std::optional<TransferStatus> reported; // empty until first reported
        bool cancelRequested = false;
        bool left = false; // the queue will never run it again

        bool isFinished() const { return reported.has_value() && reported->isFinished(); }
    };

    using Change = std::pair<Entry, TransferStatus>;

    /** The transfer's own status, corrected by what only the message thread knows. */
    using Confirm = std::function<TransferStatus (const Entry&, TransferStatus)>;

    explicit TransferTracker (TransferQueue& queue);

    /** Calls cancelAll. */
    ~TransferTracker();

    /** Cancels every transfer still listed and waits until the transfer thread has left each;
        reports nothing. */
    void cancelAll();

    /** Lists the transfer and queues it behind every other transfer to the keyboard. */
    void add (Entry entry);

    /** Cancels every unfinished transfer of the kind and returns once none can send more; true
        when there was one. */
    bool cancel (TransferStatus::Kind kind);

    bool isRunning() const;
    bool isGetRunning() const;

    /** The statuses that changed since they were last collected, in the order the transfers
        started; a transfer collected as finished counts as running no more. */
    std::vector<Change> collectChanges (const Confirm& confirm);

private:
    template <typename Predicate>
    bool anyUnfinished (Predicate&& predicate) const;

    void forgetThoseLeft();

    TransferQueue& queue;
    std::vector<Entry> entries;

    JUCE_DECLARE_NON_COPYABLE (TransferTracker)
};
