#include "app/editor/RecoveryKeeper.h"

RecoveryKeeper::RecoveryKeeper (WindowManager& windowsIn, RecoveryStore& storeIn,
                                std::function<void (const juce::String&)> reportIn)
    : windows (windowsIn),
      store (storeIn),
      report (std::move (reportIn))
{
    startTimer (tickMs);
}

RecoveryKeeper::~RecoveryKeeper()
{
    stopTimer();

    if (! keep)
        store.removeAll();
}

void RecoveryKeeper::writeNow()
{
    updateAll (true);
}

void RecoveryKeeper::timerCallback()
{
    updateAll (false);
}

void RecoveryKeeper::updateAll (bool now)
{
    for (int i = 0; i < windows.getNumWindows(); ++i)
        update (track (*windows.getWindow (i)), now);

    // A window closes only once its edits were saved or let go.
    for (auto& entry : tracked)
        if (entry.window == nullptr)
            forget (entry);

    tracked.erase (
        std::remove_if (tracked.begin(), tracked.end(), [] (const Tracked& t) { return t.window == nullptr; }),
        tracked.end());
}

RecoveryKeeper::Tracked& RecoveryKeeper::track (EditorWindow& window)
{
    for (auto& entry : tracked)
        if (entry.window == &window)
            return entry;

    tracked.push_back ({ &window, "window-" + juce::String (++nextId), {}, {}, 0 });
    return tracked.back();
}

void RecoveryKeeper::update (Tracked& entry, bool now)
{
    if (! entry.window->getEngine().hasUnsavedEdits())
        return forget (entry);

    const auto snapshot = snapshotOf (*entry.window);
    const auto time = juce::Time::getMillisecondCounter();

    // Written once the edits rest, not at every step of a drag.
    if (entry.seen != snapshot)
    {
        entry.seen = snapshot;
        entry.changedAt = time;
    }

    if ((now || time - entry.changedAt >= static_cast<juce::uint32> (settleMs)) && entry.written != snapshot)
        write (entry, snapshot);
}

void RecoveryKeeper::write (Tracked& entry, const Snapshot& snapshot)
{
    const auto file = snapshot.path.isEmpty() ? juce::File() : juce::File (snapshot.path);
    const auto written = store.write ({ entry.id, snapshot.preset, file, snapshot.title });

    if (written.wasOk())
    {
        entry.written = snapshot;
        lastError.clear();
        return;
    }

    // Once per reason, not at every edit.
    if (written.getErrorMessage() != lastError && report)
        report (written.getErrorMessage());

    lastError = written.getErrorMessage();
}

void RecoveryKeeper::forget (Tracked& entry)
{
    entry.seen.reset();

    if (entry.written.has_value())
        store.remove (entry.id);

    entry.written.reset();
}

RecoveryKeeper::Snapshot RecoveryKeeper::snapshotOf (EditorWindow& window)
{
    const auto& engine = window.getEngine();
    return { engine.buildPresetMessage (0), engine.getPresetFile().getFullPathName(), window.getDocumentName() };
}
