#pragma once

#include <algorithm>
#include <vector>

/** The listener list every observable in the program uses.

    Listeners are held at most once and called from the most recently added back to the first.
    A listener may remove itself or any other listener while it is being called: the walk goes on
    with the next lower position that still exists and never calls a position twice. Not
    thread-safe; callers that dispatch across threads guard it themselves.
*/
template <typename ListenerType>
class ListenerArray
{
public:
    /** Adds a listener; null and listeners already present are ignored. */
    void add (ListenerType* listener)
    {
        if (listener != nullptr && ! contains (listener))
            listeners.push_back (listener);
    }

    /** Removes a listener if present; safe during a walk. */
    void remove (ListenerType* listener)
    {
        auto found = std::find (listeners.begin(), listeners.end(), listener);

        if (found == listeners.end())
            return;

        const auto removedIndex = static_cast<int> (found - listeners.begin());
        listeners.erase (found);

        // Everything above the removed entry moved down one place.
        for (auto* walk = activeWalks; walk != nullptr; walk = walk->outer)
            if (removedIndex < walk->position)
                --walk->position;
    }

    bool contains (ListenerType* listener) const
    {
        return std::find (listeners.begin(), listeners.end(), listener) != listeners.end();
    }

    int size() const { return static_cast<int> (listeners.size()); }
    bool isEmpty() const { return listeners.empty(); }

    /** Calls the function on every listener, the most recently added first. */
    template <typename Function>
    void call (Function&& function)
    {
        Walk walk { static_cast<int> (listeners.size()), activeWalks };
        const WalkScope scope (*this, walk);

        while (--walk.position >= 0)
        {
            if (walk.position >= size())
                walk.position = size() - 1;

            if (walk.position < 0)
                break;

            function (*listeners[static_cast<size_t> (walk.position)]);
        }
    }

private:
    struct Walk
    {
        int position;
        Walk* outer;
    };

    struct WalkScope
    {
        WalkScope (ListenerArray& ownerIn, Walk& walk) : owner (ownerIn) { owner.activeWalks = &walk; }
        ~WalkScope() { owner.activeWalks = owner.activeWalks->outer; }
        ListenerArray& owner;
    };

    std::vector<ListenerType*> listeners;
    Walk* activeWalks = nullptr;
};
