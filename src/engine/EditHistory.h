#pragma once

#include "model/controls/Control.h"

#include <juce_core/juce_core.h>

#include <optional>
#include <vector>

/** The undo and redo steps of one preset, each a whole copy of the preset data as it was
    before (or, for redo, after) the step: a copy is a few hundred bytes, and restoring one
    brings back every byte a step touched, however many names address it. Also remembers the
    data last loaded, saved, got or sent, so a window can tell whether it holds edits. A step
    that replaced the whole preset also holds the file the preset belonged to, which comes back
    with it: undoing a load must not leave the loaded file's name on the older preset. */
class EditHistory
{
public:
    using Bytes = Control::Bytes;

    /** Steps kept; the oldest go first. */
    static constexpr int maximumSteps = 500;

    struct Step
    {
        Bytes data;
        std::optional<juce::File> file; // only for a step that replaced the whole preset
    };

    /** A change was made; before is the data (and, for a whole preset, the file) just before
        it. Clears the redo steps. */
    void record (const Step& before);

    /** The step to go back to, having kept the current data (and file, where the step holds
        one) for redo; false when there is no step. */
    bool undo (const Bytes& current, const juce::File& currentFile, Step& restored);

    /** The step to go forward to, kept as undo keeps it; false when there is none. */
    bool redo (const Bytes& current, const juce::File& currentFile, Step& restored);

    bool canUndo() const { return ! undoSteps.empty(); }
    bool canRedo() const { return ! redoSteps.empty(); }

    /** The data now held is what the file or the keyboard holds. */
    void markClean (const Bytes& current) { cleanData = current; }

    /** Whether the data differs from what was last loaded, saved, got or sent. */
    bool isEdited (const Bytes& current) const { return current != cleanData; }

private:
    static void push (std::vector<Step>& steps, const Step& step);
    static bool move (std::vector<Step>& from, std::vector<Step>& to, const Bytes& current,
                      const juce::File& currentFile, Step& restored);

    std::vector<Step> undoSteps;
    std::vector<Step> redoSteps;
    Bytes cleanData;
};
