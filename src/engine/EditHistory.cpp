#include "engine/EditHistory.h"

void EditHistory::push (std::vector<Step>& steps, const Step& step)
{
    if (static_cast<int> (steps.size()) >= maximumSteps)
        steps.erase (steps.begin());

    steps.push_back (step);
}

void EditHistory::record (const Step& before)
{
    push (undoSteps, before);
    redoSteps.clear();
}

bool EditHistory::move (std::vector<Step>& from, std::vector<Step>& to, const Bytes& current,
                        const juce::File& currentFile, Step& restored)
{
    if (from.empty())
        return false;

    restored = from.back();
    from.pop_back();
    push (to, { current, restored.file.has_value() ? std::optional<juce::File> (currentFile) : std::nullopt });
    return true;
}

bool EditHistory::undo (const Bytes& current, const juce::File& currentFile, Step& restored)
{
    return move (undoSteps, redoSteps, current, currentFile, restored);
}

bool EditHistory::redo (const Bytes& current, const juce::File& currentFile, Step& restored)
{
    return move (redoSteps, undoSteps, current, currentFile, restored);
}
