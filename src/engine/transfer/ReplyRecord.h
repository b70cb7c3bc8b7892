#pragma once

#include <map>
#include <mutex>

/** What the gets on one keyboard have learnt of its replies, so that a get can tell how long a
    straggler of the get before may still take: the slowest reply seen, and the requests the last
    gets left without an answer. A reply heard later for such an address closes it and counts
    towards the slowest reply, measured from the request. Any thread. */
class ReplyRecord
{
public:
    using OpenRequests = std::map<int, double>; // address, when last asked (ms)

    void replyTook (double milliseconds);

    /** A reply for the address, whichever get it counts for; one that no get counts is a
        straggler, whose time counts towards the slowest. */
    void answerHeard (int address, double nowMs, bool straggler);

    /** Adds the requests a get left open to those still open before it. Disputed answers mean
        stragglers were about, even with no request left open. */
    void getEnded (const OpenRequests& stillOpen, bool disputed);

    /** Requests of earlier gets whose answer may still come: a get needs two answers that agree
        for each of these addresses. */
    OpenRequests getOpenRequests() const;

    /** Forgets everything: nothing is on its way any more. */
    void reset();

    /** Whether a reply to an earlier request may still be on its way. */
    bool stragglersPossible() const;

    /** How long the input must be quiet before a get may take what it hears as its own. */
    double quietNeededMs (double settleMs) const;

private:
    mutable std::mutex mutex;
    double slowestMs = 0.0;
    OpenRequests open;
    bool mayStraggle = false;
};
