#pragma once

#include "model/Control.h"

#include <vector>

/** The undo and redo steps of one preset, each a whole copy of the preset data as it was
    before (or, for redo, after) the step: a copy is a few hundred bytes, and restoring one
    brings back every byte a step touched, however many names address it. Also remembers the
    data last loaded, saved, got or sent, so a window can tell whether it holds edits. */
class EditHistory
{
public:
    using Bytes = Control::Bytes;

    /** Steps kept; the oldest go first. */
    static constexpr int maximumSteps = 500;

    /** A change was made; before is the data just before it. Clears the redo steps. */
    void record (const Bytes& before);

    /** The data to go back to, having kept current for redo; false when there is no step. */
    bool undo (const Bytes& current, Bytes& restored);

    /** The data to go forward to, having kept current for undo; false when there is none. */
    bool redo (const Bytes& current, Bytes& restored);

    bool canUndo() const { return ! undoSteps.empty(); }
    bool canRedo() const { return ! redoSteps.empty(); }

    /** The data now held is what the file or the keyboard holds. */
    void markClean (const Bytes& current) { cleanData = current; }

    /** Whether the data differs from what was last loaded, saved, got or sent. */
    bool isEdited (const Bytes& current) const { return current != cleanData; }

private:
    static void push (std::vector<Bytes>& steps, const Bytes& data);

    std::vector<Bytes> undoSteps;
    std::vector<Bytes> redoSteps;
    Bytes cleanData;
};
