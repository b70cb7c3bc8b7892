#pragma once

#include "app/editor/WindowManager.h"
#include "engine/files/RecoveryStore.h"

/** Keeps the preset of every edited window in the recovery store: written a moment after the
    last edit, and removed once the window is unedited again (saved, undone back) or closed. A
    quit that asked about every edit removes them all; an ending that could not ask keeps them. */
class RecoveryKeeper : private juce::Timer
{
public:
    /** report hears why an entry could not be written, once for each new reason. */
    RecoveryKeeper (WindowManager& windows, RecoveryStore& store, std::function<void (const juce::String&)> report);

    /** Removes every entry unless keepEntries was called. */
    ~RecoveryKeeper() override;

    /** Writes every edited window now, edits of the last moment included. */
    void writeNow();

    /** The program ends without asking: the entries stay for the next start. */
    void keepEntries() { keep = true; }

    /** How long an edit must rest before it is written. */
    static constexpr int settleMs = 2000;
    static constexpr int tickMs = 250;

private:
    struct Snapshot
    {
        PresetFile::Bytes preset;
        juce::String path;
        juce::String title;

        bool operator== (const Snapshot& other) const
        {
            return preset == other.preset && path == other.path && title == other.title;
        }
        bool operator!= (const Snapshot& other) const { return ! operator== (other); }
    };

    struct Tracked
    {
        juce::Component::SafePointer<EditorWindow> window;
        juce::String id;
        std::optional<Snapshot> seen;
        std::optional<Snapshot> written;
        juce::uint32 changedAt = 0;
    };

    void timerCallback() override;
    void updateAll (bool now);
    void update (Tracked& tracked, bool now);
    Tracked& track (EditorWindow& window);
    void write (Tracked& tracked, const Snapshot& snapshot);
    void forget (Tracked& tracked);
    static Snapshot snapshotOf (EditorWindow& window);

    WindowManager& windows;
    RecoveryStore& store;
    std::vector<Tracked> tracked;
    std::function<void (const juce::String&)> report;
    int nextId = 0;
    bool keep = false;
    juce::String lastError;

    JUCE_DECLARE_NON_COPYABLE (RecoveryKeeper)
};
