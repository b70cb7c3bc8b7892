// Feeds arbitrary incoming messages to a running get through the MIDI manager's listener path, on
// the fuzzer's thread standing in for the input port's. Each record's first byte picks its kind:
// even, a read reply (address high, address low, value); odd, a length byte and that many raw bytes.
#include "FuzzSupport.h"
#include "engine/protocol/SysExMessages.h"
#include "engine/transfer/GetTransfer.h"

#include <algorithm>
#include <atomic>
#include <vector>

using namespace FuzzSupport;

namespace
{
/** One input and one output; the fuzzer calls the input's callback itself. */
struct FuzzPortLayer : public MidiPortLayer
{
    struct Port : public InputPort, public OutputPort
    {
        explicit Port (FuzzPortLayer& ownerIn) : owner (ownerIn) {}
        void start() override {}
        void sendMessageNow (const juce::MidiMessage&) override { ++owner.sent; }
        FuzzPortLayer& owner;
    };

    Devices getInputDevices() const override { return { { "Fuzz", "fuzz" } }; }
    Devices getOutputDevices() const override { return getInputDevices(); }

    std::unique_ptr<InputPort> openInput (const Device&, Callback callbackIn) override
    {
        callback = std::move (callbackIn);
        return std::make_unique<Port> (*this);
    }

    std::unique_ptr<OutputPort> openOutput (const Device&) override { return std::make_unique<Port> (*this); }

    Callback callback;
    std::atomic<int> sent { 0 };
};

struct State
{
    State()
    {
        initialiseMessageManager();
        midiManager.setInputDevice ("Fuzz");
        midiManager.setOutputDevice ("Fuzz");
    }

    std::shared_ptr<FuzzPortLayer> layer = std::make_shared<FuzzPortLayer>();
    KeyboardLink link { layer };
    MidiManager& midiManager = link.getMidiManager();
    QX61 qx61;
};

struct Reader
{
    const uint8_t *data, *end;
    bool atEnd() const { return data >= end; }
    uint8_t next() { return atEnd() ? 0 : *data++; }
};

juce::MidiMessage rawMessage (Reader& reader)
{
    const int length = reader.next() % 40;
    std::vector<juce::uint8> raw;

    while (static_cast<int> (raw.size()) < length && ! reader.atEnd())
        raw.push_back (reader.next());

    if (! raw.empty() && raw[0] == 0xF0)
    {
        // A port ends a SysEx message at the first byte with the top bit set.
        const auto end = std::find_if (raw.begin() + 1, raw.end(), [] (juce::uint8 byte) { return byte >= 0x80; });
        const std::vector<juce::uint8> payload (raw.begin() + 1, end);
        static const juce::uint8 none = 0; // the copy takes no null pointer, even for no bytes
        return juce::MidiMessage::createSysExMessage (payload.empty() ? &none : payload.data(),
                                                      static_cast<int> (payload.size()));
    }

    // Short messages as a port would deliver them: a status byte and its data bytes.
    const auto status = static_cast<juce::uint8> (raw.empty() ? 0xF0 : raw[0] | 0x80);
    if (status == 0xF0 || status == 0xF7)
        return juce::MidiMessage::noteOn (1, 60, static_cast<juce::uint8> (1));

    const auto expected = juce::MidiMessage::getMessageLengthFromFirstByte (status);
    juce::uint8 whole[3] = { status, 0, 0 };
    for (int i = 1; i < expected && i < static_cast<int> (raw.size()); ++i)
        whole[i] = raw[static_cast<size_t> (i)] & 0x7F;

    return juce::MidiMessage (whole, expected);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    static State state;
    auto engine = state.qx61.makeEngine (state.link);
    engine->setTiming ({ 0, 0, 60000, 1, 0 });
    const auto before = engine->getModel().collectData();

    // What the engine should make of the replies: per address the value its answers agree on,
    // up to the reply that gives the last address one.
    auto expected = before;
    std::vector<std::vector<juce::uint8>> answers (static_cast<size_t> (before.size()));
    int agreed = 0;
    const auto complete = [&] { return agreed == before.size(); };

    // A reply counts only once its request has gone; the requests go on the transfer thread.
    state.layer->sent = 0;
    state.link.getReplyRecord().reset(); // nothing of the last input is still on its way
    engine->startGet (3);
    check (engine->isGetRunning(), "the get starts");

    for (int i = 0; i < 5000 && state.layer->sent < before.size(); ++i)
        juce::Thread::sleep (1);

    check (state.layer->sent == before.size(), "every request goes out");

    Reader reader { data, data + size };

    while (! reader.atEnd())
    {
        juce::MidiMessage message;

        if (reader.next() % 2 != 0)
            message = rawMessage (reader);
        else
        {
            const auto address = SysExMessages::joinAddress (reader.next() & 0x7F, reader.next() & 0x7F);
            const auto value = static_cast<juce::uint8> (reader.next() & 0x7F);
            message =
                SysExMessages::toMidiMessage (SysExMessages::readReply (state.qx61.model.modelId, address, value));
        }

        const auto reply = SysExMessages::parseReadReply (message);
        if (! complete() && reply.has_value() && juce::isPositiveAndBelow (reply->address, before.size()))
        {
            auto& heard = answers[static_cast<size_t> (reply->address)];
            const auto wasAgreed = GetTransfer::agreedValue (heard).has_value();
            heard.push_back (reply->value);
            const auto value = GetTransfer::agreedValue (heard);
            agreed += value.has_value() == wasAgreed ? 0 : (wasAgreed ? -1 : 1);
            expected.set (reply->address, value.value_or (0));
        }

        state.layer->callback (message);
    }

    // The completed preset is applied by an async update on the message thread.
    for (int i = 0; i < 200 && engine->isGetRunning() && complete(); ++i)
        juce::MessageManager::getInstance()->runDispatchLoopUntil (1);

    const auto after = engine->getModel().collectData();

    check (engine->isGetRunning() != complete(), "a get finishes once complete and only then");
    check (after == (complete() ? expected : before), "only the agreed answers of a complete get are applied");

    return 0;
}
