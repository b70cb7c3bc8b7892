#pragma once

#include "engine/midi/MidiPortLayer.h"
#include "model/ListenerArray.h"

/** A port layer's listeners, told of device changes from any thread. The lock is held for a
    whole announcement, so once remove has returned that listener is never called again. */
class MidiDeviceAnnouncer
{
public:
    void add (MidiPortLayer::Listener* listener);
    void remove (MidiPortLayer::Listener* listener);

    void announceGone (const juce::String& identifier);
    void announceChanged();

private:
    juce::CriticalSection lock;
    ListenerArray<MidiPortLayer::Listener> listeners;
};
