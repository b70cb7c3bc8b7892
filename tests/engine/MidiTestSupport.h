#pragma once

#include "engine/midi/MidiManager.h"

#include <juce_events/juce_events.h>

#include <vector>

namespace MidiTestSupport
{
template <typename Condition, typename Step>
bool pollUntil (Condition&& condition, int timeoutMs, Step&& step)
{
    const auto deadline = juce::Time::getMillisecondCounter() + static_cast<juce::uint32> (timeoutMs);

    while (! condition())
    {
        if (juce::Time::getMillisecondCounter() >= deadline)
            return false;

        step();
    }

    return true;
}

/** Runs the message loop in short slices until the condition holds or the time is up. */
template <typename Condition>
bool dispatchUntil (Condition&& condition, int timeoutMs = 5000)
{
    return pollUntil (condition, timeoutMs, [] { juce::MessageManager::getInstance()->runDispatchLoopUntil (5); });
}

/** Waits without the message loop, for work done on other threads. */
template <typename Condition>
bool waitUntil (Condition&& condition, int timeoutMs = 5000)
{
    return pollUntil (condition, timeoutMs, [] { juce::Thread::sleep (1); });
}

inline juce::MidiMessage noteOn (int note)
{
    return juce::MidiMessage::noteOn (1, note, static_cast<juce::uint8> (100));
}

class RecordingListener : public MidiManager::MidiManagerListener
{
public:
    void handleMidiMessage (const juce::MidiMessage& message) override
    {
        const juce::ScopedLock sl (lock);
        messages.push_back (message);
        callingThreads.push_back (juce::Thread::getCurrentThreadId());
    }

    int count() const
    {
        const juce::ScopedLock sl (lock);
        return static_cast<int> (messages.size());
    }

    std::vector<juce::MidiMessage> received() const
    {
        const juce::ScopedLock sl (lock);
        return messages;
    }

    std::vector<juce::Thread::ThreadID> threads() const
    {
        const juce::ScopedLock sl (lock);
        return callingThreads;
    }

private:
    juce::CriticalSection lock;
    std::vector<juce::MidiMessage> messages;
    std::vector<juce::Thread::ThreadID> callingThreads;
};
} // namespace MidiTestSupport
