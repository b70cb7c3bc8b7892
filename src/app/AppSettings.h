#pragma once

#include "engine/midi/MidiManager.h"

#include <juce_data_structures/juce_data_structures.h>

#include <optional>
#include <vector>

/** What the editor remembers between runs, in settings.xml in its folder
    ($XDG_CONFIG_HOME/qx61-editor, or ~/.config/qx61-editor): the MIDI ports chosen last, the
    recent files, the folder the file choosers start in and the interface size. Every change is
    written at once, so a crash loses none. A file that cannot be read as settings is set aside
    as settings.xml.damaged and the defaults are used; getProblem() says why. */
class AppSettings
{
public:
    static constexpr int maxRecentFiles = 10;

    explicit AppSettings (const juce::File& folder = defaultFolder());

    static juce::File defaultFolder();

    /** Why the file found was set aside, for the user; empty when there was nothing wrong. */
    const juce::String& getProblem() const { return problem; }

    /** The "Interface Size" chosen, in percent; 0 for "Automatic", the default. */
    int getInterfaceSize() const;
    void setInterfaceSize (int percent);

    juce::File getLastFolder() const;
    void setLastFolder (const juce::File& folder);

    /** The most recent first. */
    juce::Array<juce::File> getRecentFiles() const;

    /** Puts the file first, dropping the oldest beyond maxRecentFiles. */
    void addRecentFile (const juce::File& file);
    void removeRecentFile (const juce::File& file);

    /** Opens the ports chosen last where they are present. When none was ever chosen and exactly
        one input and one output are named with the keyboard's prefix ("QX61"), opens those. */
    void reopenPorts (MidiManager& midi, const juce::String& keyboardPrefix) const;

    /** Remembers the open ports as the user's choice. */
    void rememberPorts (const MidiManager& midi);

    /** The slot names last read from the keyboard on that port, and when. */
    struct SlotNames
    {
        std::vector<std::optional<juce::String>> names; // one per slot; none where not read
        juce::Time readAt;
    };

    void rememberSlotNames (const juce::String& portName, const SlotNames& slotNames);

    /** Sets one slot's name after a get or send touched it, keeping the other names and when
        they were read. */
    void rememberSlotName (const juce::String& portName, int slot, const juce::String& name);

    /** Empty names for a port never read. */
    SlotNames getSlotNames (const juce::String& portName) const;

private:
    void setAsideIfDamaged (const juce::File& file);
    juce::StringArray recentPaths() const;
    void storeRecent (const juce::StringArray& paths);

    std::unique_ptr<juce::PropertiesFile> properties;
    juce::String problem;
};
