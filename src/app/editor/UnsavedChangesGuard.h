#pragma once

#include "app/alerts/SaveChangesPresenter.h"

#include <functional>

class EditorWindow;

/** Stands between closing (or quitting) and the loss of edits: a window whose preset was
    edited since it was last loaded, saved, got or sent asks first. */
class UnsavedChangesGuard
{
public:
    /** Hears whether the windows asked about may go. */
    using Done = std::function<void (bool mayClose)>;

    /** First settles the window's transfers (EditorWindow::settleTransfersThen), so the question
        sees the preset the user had. A window without edits may go at once. Otherwise the
        question is asked: "Save" saves as the Save command does (true only once the file is
        written), "Don't Save" is true and "Cancel" false. The window may be deleted before the
        answer comes; then it is false, or true when it went while its send ran. */
    static void confirmClose (EditorWindow& window, SaveChangesPresenter& presenter, Done done);

    /** Cancels every window's get, then asks for each window in turn, stopping at the first that
        may not go. */
    static void confirmCloseAll (const juce::Array<EditorWindow*>& windows, SaveChangesPresenter& presenter, Done done);

private:
    static void askToSave (EditorWindow& window, SaveChangesPresenter& presenter, Done done);
};
