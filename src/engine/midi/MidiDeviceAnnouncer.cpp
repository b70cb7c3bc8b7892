#include "engine/midi/MidiDeviceAnnouncer.h"

void MidiDeviceAnnouncer::add (MidiPortLayer::Listener* listener)
{
    const juce::ScopedLock sl (lock);
    listeners.add (listener);
}

void MidiDeviceAnnouncer::remove (MidiPortLayer::Listener* listener)
{
    const juce::ScopedLock sl (lock);
    listeners.remove (listener);
}

void MidiDeviceAnnouncer::announceGone (const juce::String& identifier)
{
    const juce::ScopedLock sl (lock);
    listeners.call ([&identifier] (MidiPortLayer::Listener& listener) { listener.midiDeviceGone (identifier); });
}

void MidiDeviceAnnouncer::announceChanged()
{
    const juce::ScopedLock sl (lock);
    listeners.call ([] (MidiPortLayer::Listener& listener) { listener.midiDevicesChanged(); });
}
