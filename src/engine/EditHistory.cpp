#include "engine/EditHistory.h"

void EditHistory::push (std::vector<Bytes>& steps, const Bytes& data)
{
    if (static_cast<int> (steps.size()) >= maximumSteps)
        steps.erase (steps.begin());

    steps.push_back (data);
}

void EditHistory::record (const Bytes& before)
{
    push (undoSteps, before);
    redoSteps.clear();
}

bool EditHistory::undo (const Bytes& current, Bytes& restored)
{
    if (undoSteps.empty())
        return false;

    restored = undoSteps.back();
    undoSteps.pop_back();
    push (redoSteps, current);
    return true;
}

bool EditHistory::redo (const Bytes& current, Bytes& restored)
{
    if (redoSteps.empty())
        return false;

    restored = redoSteps.back();
    redoSteps.pop_back();
    push (undoSteps, current);
    return true;
}
