#include "model/ListenerArray.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace
{
struct Recorder
{
    std::string name;
    std::string* log;
    std::function<void()> onCall;

    void called()
    {
        *log += name;
        if (onCall)
            onCall();
    }
};
} // namespace

class ListenerArrayTest : public ::testing::Test
{
protected:
    std::string log;
    Recorder a { "A", &log, {} }, b { "B", &log, {} }, c { "C", &log, {} }, d { "D", &log, {} };
    ListenerArray<Recorder> list;

    void addAll()
    {
        for (auto* r : { &a, &b, &c, &d })
            list.add (r);
    }

    void walk()
    {
        list.call ([] (Recorder& r) { r.called(); });
    }
};

TEST_F (ListenerArrayTest, CallsTheMostRecentlyAddedFirstAndHoldsEachOnce)
{
    addAll();
    list.add (&b);
    list.add (nullptr);
    walk();
    EXPECT_EQ (log, "DCBA");
    EXPECT_EQ (list.size(), 4);
}

TEST_F (ListenerArrayTest, SelfRemovalDuringTheWalkSkipsNobody)
{
    addAll();
    c.onCall = [this] { list.remove (&c); };
    walk();
    EXPECT_EQ (log, "DCBA");
    log.clear();
    walk();
    EXPECT_EQ (log, "DBA");
}

TEST_F (ListenerArrayTest, RemovingALowerEntryNeverCallsAPositionTwice)
{
    addAll();
    d.onCall = [this] { list.remove (&a); };
    walk();
    EXPECT_EQ (log, "DCB");
}

TEST_F (ListenerArrayTest, RemovingSeveralEntriesAtOnceEndsCleanly)
{
    addAll();
    c.onCall = [this] {
        list.remove (&d);
        list.remove (&c);
        list.remove (&b);
    };
    walk();
    EXPECT_EQ (log, "DCA");
}

TEST_F (ListenerArrayTest, ListenersAddedDuringTheWalkWaitForTheNextOne)
{
    list.add (&a);
    a.onCall = [this] { list.add (&b); };
    walk();
    EXPECT_EQ (log, "A");
}

TEST_F (ListenerArrayTest, NestedWalksStayConsistent)
{
    addAll();
    bool nested = false;
    c.onCall = [&] {
        if (! nested)
        {
            nested = true;
            list.remove (&b);
            walk();
        }
    };
    walk();
    // Outer: D C (inner: D C A) A.
    EXPECT_EQ (log, "DCDCAA");
}
