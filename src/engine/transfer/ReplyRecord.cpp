#include "engine/transfer/ReplyRecord.h"

#include <algorithm>

void ReplyRecord::replyTook (double milliseconds)
{
    const std::lock_guard<std::mutex> guard (mutex);
    slowestMs = std::max (slowestMs, milliseconds);
}

void ReplyRecord::answerHeard (int address, double nowMs, bool straggler)
{
    const std::lock_guard<std::mutex> guard (mutex);
    const auto found = open.find (address);

    if (found == open.end())
        return;

    if (straggler)
        slowestMs = std::max (slowestMs, nowMs - found->second);

    open.erase (found);
}

void ReplyRecord::getEnded (const OpenRequests& stillOpen, bool disputed)
{
    const std::lock_guard<std::mutex> guard (mutex);
    for (const auto& [address, askedMs] : stillOpen)
        open[address] = askedMs;

    mayStraggle = disputed || ! open.empty();
}

ReplyRecord::OpenRequests ReplyRecord::getOpenRequests() const
{
    const std::lock_guard<std::mutex> guard (mutex);
    return open;
}

void ReplyRecord::reset()
{
    const std::lock_guard<std::mutex> guard (mutex);
    slowestMs = 0.0;
    open.clear();
    mayStraggle = false;
}

double ReplyRecord::quietNeededMs (double settleMs) const
{
    const std::lock_guard<std::mutex> guard (mutex);
    return mayStraggle ? settleMs + slowestMs : settleMs;
}

bool ReplyRecord::stragglersPossible() const
{
    const std::lock_guard<std::mutex> guard (mutex);
    return mayStraggle;
}
