#pragma once

#include "engine/transfer/TransferPacer.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

class Transfer;

/** The one line to a keyboard: runs the transfers of every engine on that keyboard one after
    another, in the order they were added, on a thread of its own, with one pacer, so that no
    two transfers mix their messages or replies. */
class TransferQueue
{
public:
    TransferQueue();

    /** Cancels whatever is queued or running and waits for the thread to end. */
    ~TransferQueue();

    void add (std::shared_ptr<Transfer> transfer);

    /** Cancels the transfer and returns once it can send nothing more: at once if it was still
        queued, otherwise when it has ended. */
    void cancel (const std::shared_ptr<Transfer>& transfer);

    /** How long a transfer waits while another program holds the keyboard's port before it
        fails (PortLock); by default until it is cancelled. */
    void setPortLockWait (int milliseconds) { portLockWaitMs = milliseconds; }

    /** True while a transfer runs or waits (tests and benchmarks). */
    bool isBusy() const;

private:
    void run();

    TransferPacer pacer;
    mutable std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::shared_ptr<Transfer>> waiting;
    std::shared_ptr<Transfer> running;
    bool stopping = false;
    std::atomic<int> portLockWaitMs { -1 };
    std::thread thread;
};
