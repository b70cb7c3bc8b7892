#include "model/ListenerArray.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

namespace
{
struct Recorder
{
    char name;
    std::function<void()> onCall;
};

class ListenerArrayTest : public ::testing::Test
{
protected:
    Recorder a { 'A', {} }, b { 'B', {} }, c { 'C', {} }, d { 'D', {} };
    ListenerArray<Recorder> list;
    std::string log;

    void addAll()
    {
        for (auto* r : { &a, &b, &c, &d })
            list.add (r);
    }

    /** Walks the list once and returns the names called, nested walks included. */
    std::string walk()
    {
        const auto start = log.size();
        list.call ([this] (Recorder& r) {
            log += r.name;
            if (r.onCall)
                r.onCall();
        });
        return log.substr (start);
    }
};
} // namespace

TEST_F (ListenerArrayTest, CallsTheMostRecentlyAddedFirstAndHoldsEachOnce)
{
    addAll();
    list.add (&b);
    list.add (nullptr);
    EXPECT_EQ (walk(), "DCBA");
    EXPECT_EQ (list.size(), 4);
}

TEST_F (ListenerArrayTest, SelfRemovalDuringTheWalkSkipsNobody)
{
    addAll();
    c.onCall = [this] { list.remove (&c); };
    EXPECT_EQ (walk(), "DCBA");
    EXPECT_EQ (walk(), "DBA");
}

TEST_F (ListenerArrayTest, RemovingALowerEntryNeverCallsAPositionTwice)
{
    addAll();
    d.onCall = [this] { list.remove (&a); };
    EXPECT_EQ (walk(), "DCB");
}

TEST_F (ListenerArrayTest, RemovingSeveralEntriesAtOnceEndsCleanly)
{
    addAll();
    c.onCall = [this] {
        for (auto* entry : { &d, &c, &b })
            list.remove (entry);
    };
    EXPECT_EQ (walk(), "DCA");
}

TEST_F (ListenerArrayTest, ListenersAddedDuringTheWalkWaitForTheNextOne)
{
    list.add (&a);
    a.onCall = [this] { list.add (&b); };
    EXPECT_EQ (walk(), "A");
}

TEST_F (ListenerArrayTest, NestedWalksStayConsistent)
{
    addAll();
    bool nested = false;
    c.onCall = [&] {
        if (! std::exchange (nested, true))
        {
            list.remove (&b);
            walk();
        }
    };
    // Outer: D C (inner: D C A) A.
    EXPECT_EQ (walk(), "DCDCAA");
}
