#pragma once

#include "engine/midi/virtual/VirtualMidiPortLayer.h"
#include "engine/protocol/SysExMessages.h"
#include "model/ModelConstants.h"

#include <map>
#include <optional>
#include <vector>

/** A stand-in for the keyboard behind a pair of virtual ports named "QX61 Simulator": it keeps
    25 preset slots, answers every read request with one read reply carrying the requested
    address and the stored byte, stores every write, and remembers the last sync message.

    Replies leave from a thread of its own. For tests it can answer late, unevenly, drop or
    duplicate replies, and be unplugged and plugged in again. Every operation is thread-safe.
*/
class SimulatedKeyboard : private juce::Thread
{
public:
    using Bytes = SysExMessages::Bytes;

    static constexpr const char* portName = "QX61 Simulator";

    /** Its input and output are one port, as a USB keyboard's are on ALSA. */
    static constexpr const char* portIdentifier = "simulator-0";
    /** Every slot an engine may ask for, the one past those offered included. */
    static constexpr int numSlots = ModelConstants::numSlots + 1;

    /** How replies go out. Shares are probabilities from 0 to 1, drawn per request. */
    struct ReplyBehaviour
    {
        int latencyMs = 0;           // every reply waits this long
        int jitterMs = 0;            // plus a random 0 .. jitterMs, never overtaking earlier replies
        double dropShare = 0.0;      // requests left unanswered
        double duplicateShare = 0.0; // requests answered twice
        double lateShare = 0.0;      // replies held back a further lateDelayMs, overtaken by later ones
        int lateDelayMs = 2500;      // longer than the editor waits for an attempt
    };

    /** Plugs its ports into the layer, which must outlive it. */
    explicit SimulatedKeyboard (VirtualMidiPortLayer& layer);
    ~SimulatedKeyboard() override;

    void setReplyBehaviour (const ReplyBehaviour& behaviour);
    ReplyBehaviour getReplyBehaviour() const;
    void setRandomSeed (juce::int64 seed);

    /** The ports disappear from the layer (replies not yet sent are lost) and come back under
        the same identifier; as with ALSA, ports opened before stay dead. */
    void unplug();
    void replug();
    bool isPluggedIn() const;

    /** The preset data stored in a slot; empty for a slot that does not exist. */
    Bytes getSlotData (int slot) const;
    void setSlotData (int slot, const Bytes& data);

    /** What a slot holds before anything is written: the built-in default preset named
        "Sim Preset NN" (NN = slot + 1, two digits). */
    Bytes initialSlotData (int slot) const;

    /** True for external sync; empty until a sync message has arrived. */
    std::optional<bool> getLastSync() const;

    int getReadRequestCount() const;
    int getWriteCount() const;
    int getSyncCount() const;
    int getRepliesSent() const;
    int getIgnoredCount() const;

    /** Blocks until every reply due so far has gone out, or the timeout passes. */
    bool waitUntilIdle (int timeoutMs) const;

private:
    // Keyed by due time, then by arrival, so equal times keep their order.
    using DueKey = std::pair<double, juce::uint64>;

    void receive (const juce::MidiMessage& message);
    bool handleReadRequest (const juce::MidiMessage& message);
    bool handleWrite (const juce::MidiMessage& message);
    bool handleSync (const juce::MidiMessage& message);
    bool isValidAddress (int slot, int address) const;
    void scheduleReply (const juce::MidiMessage& reply);
    void run() override;
    int sendDueReplies();

    const ModelConstants constants;
    const int dataLength;
    VirtualMidiPortLayer& layer;
    std::shared_ptr<VirtualMidiInput> input;
    std::shared_ptr<VirtualMidiOutput> output;

    mutable juce::CriticalSection lock;
    std::vector<Bytes> slots;
    std::optional<bool> lastSync;
    ReplyBehaviour behaviour;
    juce::Random random;
    std::map<DueKey, juce::MidiMessage> pending;
    juce::uint64 nextOrder = 0;
    double lastDueMs = 0.0;
    bool pluggedIn = false;
    int readRequests = 0, writes = 0, syncs = 0, repliesSent = 0, ignored = 0;

    JUCE_DECLARE_NON_COPYABLE (SimulatedKeyboard)
};
