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
} // namespace

// Each row gives one listener an action to take while it is called, and the names called by two walks.
TEST (ListenerArray, ChangesDuringAWalkNeverCallAnEntryTwiceOrSkipOne)
{
    using List = ListenerArray<Recorder>;
    Recorder a { 'A', {} }, b { 'B', {} }, c { 'C', {} }, d { 'D', {} };
    List list;
    std::string log;
    const auto walk = [&] {
        const auto start = log.size();
        list.call ([&] (Recorder& r) {
            log += r.name;
            if (r.onCall)
                r.onCall();
        });
        return log.substr (start);
    };
    bool nested = false;

    const struct
    {
        Recorder* actor;
        std::function<void()> action;
        const char *first, *second;
    } rows[] = {
        { nullptr, {}, "DCBA", "DCBA" }, // the most recently added first, each once
        { &c, [&] { list.remove (&c); }, "DCBA", "DBA" },
        { &d, [&] { list.remove (&a); }, "DCB", "DCB" },
        { &c, [&] { list.remove (&d), list.remove (&c), list.remove (&b); }, "DCA", "A" },
        { &d, [&] { list.remove (&a), list.add (&a); }, "DCB", "ADCB" }, // added ones wait for the next walk
        { &c,
          [&] {
              if (! std::exchange (nested, true))
                  list.remove (&b), walk(); // a nested walk
          },
          "DCDCAA", "DCA" },
    };

    for (const auto& row : rows)
    {
        SCOPED_TRACE (row.first);
        list = List();
        for (auto* r : { &a, &b, &c, &d, &b, static_cast<Recorder*> (nullptr) })
            list.add (r);
        EXPECT_EQ (list.size(), 4);
        for (auto* r : { &a, &b, &c, &d })
            r->onCall = r == row.actor ? row.action : std::function<void()>();
        EXPECT_EQ (walk(), row.first);
        EXPECT_EQ (walk(), row.second);
    }
}
