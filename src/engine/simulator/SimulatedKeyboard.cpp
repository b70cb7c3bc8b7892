#include "engine/simulator/SimulatedKeyboard.h"

#include <cmath>

namespace
{
bool hasBytes (const juce::MidiMessage& message, const SysExMessages::Bytes& expected)
{
    return message.getRawDataSize() == expected.size()
           && std::equal (expected.begin(), expected.end(), message.getRawData());
}

juce::String slotName (int slot)
{
    return ("Sim Preset " + juce::String (slot + 1).paddedLeft ('0', 2))
        .paddedRight (' ', PresetLayout::presetNameBytes);
}

double nowMs()
{
    return juce::Time::getMillisecondCounterHiRes();
}
} // namespace

SimulatedKeyboard::SimulatedKeyboard (VirtualMidiPortLayer& layerIn)
    : juce::Thread ("Simulated keyboard"),
      constants (ModelConstants::qx61()),
      dataLength (constants.getLayout().dataLength()),
      layer (layerIn),
      input (std::make_shared<VirtualMidiInput> (portName, portIdentifier)),
      output (std::make_shared<VirtualMidiOutput> (
          portName, [this] (const juce::MidiMessage& message) { receive (message); }, portIdentifier))
{
    for (int slot = 0; slot < numSlots; ++slot)
        slots.push_back (initialSlotData (slot));

    startThread();
    replug();
}

SimulatedKeyboard::~SimulatedKeyboard()
{
    output->detach();
    signalThreadShouldExit();
    notify();
    stopThread (-1);
    unplug();
}

SimulatedKeyboard::Bytes SimulatedKeyboard::initialSlotData (int slot) const
{
    const auto preset = ModelConstants::qx61DefaultPreset();
    Bytes data (preset.begin() + PresetLayout::messageDataStart, dataLength);
    const auto name = slotName (slot);

    for (int i = 0; i < PresetLayout::presetNameBytes; ++i)
        data.set (PresetLayout::presetNameOffset + i, static_cast<juce::uint8> (name[i]));

    return data;
}

void SimulatedKeyboard::setReplyBehaviour (const ReplyBehaviour& newBehaviour)
{
    const juce::ScopedLock sl (lock);
    behaviour = newBehaviour;
}

SimulatedKeyboard::ReplyBehaviour SimulatedKeyboard::getReplyBehaviour() const
{
    const juce::ScopedLock sl (lock);
    return behaviour;
}

void SimulatedKeyboard::setRandomSeed (juce::int64 seed)
{
    const juce::ScopedLock sl (lock);
    random.setSeed (seed);
}

// The layer is called outside the lock: its listeners may be sending to this keyboard.
void SimulatedKeyboard::unplug()
{
    {
        const juce::ScopedLock sl (lock);
        pluggedIn = false;
        pending.clear();
    }

    layer.unplug (input);
    layer.unplug (output);
}

void SimulatedKeyboard::replug()
{
    {
        const juce::ScopedLock sl (lock);
        pluggedIn = true;
    }

    layer.plugIn (input);
    layer.plugIn (output);
}

bool SimulatedKeyboard::isPluggedIn() const
{
    const juce::ScopedLock sl (lock);
    return pluggedIn;
}

SimulatedKeyboard::Bytes SimulatedKeyboard::getSlotData (int slot) const
{
    const juce::ScopedLock sl (lock);
    return juce::isPositiveAndBelow (slot, numSlots) ? slots[static_cast<size_t> (slot)] : Bytes {};
}

void SimulatedKeyboard::setSlotData (int slot, const Bytes& data)
{
    const juce::ScopedLock sl (lock);

    if (juce::isPositiveAndBelow (slot, numSlots) && data.size() == dataLength)
        slots[static_cast<size_t> (slot)] = data;
}

std::optional<bool> SimulatedKeyboard::getLastSync() const
{
    const juce::ScopedLock sl (lock);
    return lastSync;
}

int SimulatedKeyboard::getReadRequestCount() const
{
    const juce::ScopedLock sl (lock);
    return readRequests;
}

int SimulatedKeyboard::getWriteCount() const
{
    const juce::ScopedLock sl (lock);
    return writes;
}

int SimulatedKeyboard::getSyncCount() const
{
    const juce::ScopedLock sl (lock);
    return syncs;
}

int SimulatedKeyboard::getRepliesSent() const
{
    const juce::ScopedLock sl (lock);
    return repliesSent;
}

int SimulatedKeyboard::getIgnoredCount() const
{
    const juce::ScopedLock sl (lock);
    return ignored;
}

bool SimulatedKeyboard::waitUntilIdle (int timeoutMs) const
{
    const auto deadline = nowMs() + timeoutMs;

    for (;;)
    {
        {
            const juce::ScopedLock sl (lock);

            if (pending.empty())
                return true;
        }

        if (nowMs() >= deadline)
            return false;

        juce::Thread::sleep (1);
    }
}

void SimulatedKeyboard::receive (const juce::MidiMessage& message)
{
    const juce::ScopedLock sl (lock);

    if (! pluggedIn)
        return;

    if (! (handleReadRequest (message) || handleWrite (message) || handleSync (message)))
        ++ignored;
}

// A message counts only if it is exactly what the editor would build for its fields, header included.
bool SimulatedKeyboard::handleReadRequest (const juce::MidiMessage& message)
{
    const auto request = SysExMessages::parseReadRequest (message);

    if (! request || ! isValidAddress (request->slot, request->address)
        || ! hasBytes (message, SysExMessages::readRequest (constants.modelId, request->slot, request->address)))
        return false;

    ++readRequests;
    const auto value = slots[request->slot][request->address];
    scheduleReply (
        SysExMessages::toMidiMessage (SysExMessages::readReply (constants.modelId, request->address, value)));
    return true;
}

bool SimulatedKeyboard::handleWrite (const juce::MidiMessage& message)
{
    const auto write = SysExMessages::parseWriteMessage (message);

    if (! write || ! isValidAddress (write->slot, write->address)
        || ! hasBytes (message,
                       SysExMessages::writeMessage (constants.modelId, write->slot, write->address, write->value)))
        return false;

    ++writes;
    slots[write->slot].set (write->address, write->value);
    return true;
}

bool SimulatedKeyboard::handleSync (const juce::MidiMessage& message)
{
    const auto external = SysExMessages::parseSyncMessage (message);

    if (! external || ! hasBytes (message, SysExMessages::syncMessage (constants.modelId, *external)))
        return false;

    ++syncs;
    lastSync = external;
    return true;
}

bool SimulatedKeyboard::isValidAddress (int slot, int address) const
{
    return juce::isPositiveAndBelow (slot, numSlots) && juce::isPositiveAndBelow (address, dataLength);
}

void SimulatedKeyboard::scheduleReply (const juce::MidiMessage& reply)
{
    if (random.nextDouble() < behaviour.dropShare)
        return;

    const auto copies = random.nextDouble() < behaviour.duplicateShare ? 2 : 1;
    const auto jitter = behaviour.jitterMs > 0 ? random.nextInt (behaviour.jitterMs + 1) : 0;

    // Replies share one serial line, so an uneven delay never overtakes an earlier reply...
    auto due = juce::jmax (nowMs() + behaviour.latencyMs + jitter, lastDueMs);
    lastDueMs = due;

    // ...except one held back on purpose to arrive after the editor has given up on it.
    if (random.nextDouble() < behaviour.lateShare)
        due += behaviour.lateDelayMs;

    for (int i = 0; i < copies; ++i)
        pending.emplace (DueKey { due, nextOrder++ }, reply);

    notify();
}

void SimulatedKeyboard::run()
{
    while (! threadShouldExit())
        wait (sendDueReplies());
}

int SimulatedKeyboard::sendDueReplies()
{
    const juce::ScopedLock sl (lock);
    const auto now = nowMs();

    while (! pending.empty() && pending.begin()->first.first <= now)
    {
        input->send (pending.begin()->second);
        ++repliesSent;
        pending.erase (pending.begin());
    }

    if (pending.empty())
        return -1;

    return juce::jmax (1, static_cast<int> (std::ceil (pending.begin()->first.first - now)));
}
