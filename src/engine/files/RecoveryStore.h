#pragma once

#include "engine/files/PresetFile.h"

#include <optional>
#include <vector>

/** The presets of edited windows, kept on disk so that a killed editor loses none: each as a
    preset file with a note beside it naming the file and title it belonged to. Every running
    editor writes into a folder of its own, locked for as long as it runs, so a start offers only
    what editors no longer running left behind. */
class RecoveryStore
{
public:
    struct Entry
    {
        juce::String id;
        PresetFile::Bytes preset;
        juce::File documentFile;
        juce::String title;
    };

    /** root holds one folder per running (or ended) editor; nothing is made until a write. */
    explicit RecoveryStore (const juce::File& root);

    /** Releases the locks; the files stay. */
    ~RecoveryStore();

    /** $XDG_STATE_HOME/qx61-editor/recovery, by default under ~/.local/state. */
    static juce::File defaultRoot();

    /** Replaces the entry of that id in this editor's folder: the preset first, then its note,
        so a note always names a whole preset. */
    juce::Result write (const Entry& entry);

    void remove (const juce::String& id);

    /** Removes this editor's folder with every entry in it. */
    void removeAll();

    /** The whole entries (of the preset length) that editors no longer running left; a damaged
        one is skipped and left where it is. Their folders stay locked by this store until
        forgetLeftBehind. */
    std::vector<Entry> findLeftBehind (int presetLength);

    /** Removes the entries findLeftBehind returned, and their folders where nothing else is left
        (a damaged entry stays). */
    void forgetLeftBehind();

private:
    struct Folder
    {
        juce::File folder;
        int lockFd = -1;
        juce::StringArray ids;
    };

    juce::Result claimOwnFolder();
    static int lockFolder (const juce::File& folder);
    static void removeEntry (const juce::File& folder, const juce::String& id);
    static void release (Folder& folder, bool removeFolder);
    static std::optional<Entry> readEntry (const juce::File& note, int presetLength);

    juce::File root;
    Folder own;
    std::vector<Folder> leftBehind;

    JUCE_DECLARE_NON_COPYABLE (RecoveryStore)
};
