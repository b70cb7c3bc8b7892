#pragma once

#include "engine/MidiTestSupport.h"
#include "engine/QXEditorEngine.h"
#include "engine/midi/virtual/VirtualMidiPortLayer.h"
#include "engine/simulator/SimulatedKeyboard.h"
#include "model/ModelConstants.h"

#include <algorithm>
#include <list>
#include <memory>
#include <vector>

namespace EngineTestSupport
{
using Bytes = QXEditorEngine::Bytes;

inline Bytes zeros (int count)
{
    Bytes bytes;
    bytes.insertMultiple (0, 0, count);
    return bytes;
}

class ModelReports
{
public:
    explicit ModelReports (const QXEditorEngine& engine)
    {
        engine.getModel().forEachControl ([this] (int, Control& control) {
            control.addListener (&counters.emplace_back (control.getParameterNames().size()));
        });
    }

    int total() const
    {
        int sum = 0;
        for (const auto& counter : counters)
            sum += counter.reports;
        return sum;
    }

    bool everyControlReportedOnce() const // each of its names
    {
        return std::all_of (counters.begin(), counters.end(), [] (const Counter& c) { return c.reports == c.names; });
    }

private:
    struct Counter : public Control::Listener
    {
        explicit Counter (int namesIn) : names (namesIn) {}
        void parameterChanged (const juce::String&, juce::uint8) override { ++reports; }
        int names, reports = 0;
    };

    std::list<Counter> counters; // listeners must not move
};

struct FailureRecorder : public QXEditorEngine::Listener
{
    void midiCommunicationFailed (const juce::String& message) override { midiFailures.add (message); }
    void presetFileFailed (const juce::String&) override {}
    void sendRefused (const juce::String& reason) override { refusals.add (reason); }
    void transferChanged (const TransferStatus& status) override { statuses.push_back (status); }
    void transferSucceeded (TransferStatus::Kind kind, juce::uint8 slot) override
    {
        successes.push_back ({ kind, slot });
    }
    void editedChanged (bool isEdited) override { edited = isEdited; }

    TransferStatus last() const { return statuses.empty() ? TransferStatus() : statuses.back(); }

    juce::StringArray midiFailures, refusals;
    std::vector<TransferStatus> statuses;
    std::vector<std::pair<TransferStatus::Kind, juce::uint8>> successes;
    bool edited = false;
};

/** The QX61's constants, kept alive for the engines that refer to them. */
struct QX61Constants
{
    ModelConstants model = ModelConstants::qx61();
    juce::uint8 highestSplitPoint = model.getHighestSplitPoint();

    QXEditorEngine::Ptr makeEngine (KeyboardLink& link) const
    {
        return new QXEditorEngine (model.modelId, link, model.presetFilePattern, highestSplitPoint,
                                   model.maxKeybedOctave, model.numKnobs, model.numPads, model.numSwitches);
    }

    int dataLength() const { return model.getLayout().dataLength(); }

    /** Data whose neighbouring bytes differ, all within 7 bits. */
    Bytes distinctData() const
    {
        Bytes data;
        for (int i = 0; i < dataLength(); ++i)
            data.add (static_cast<juce::uint8> ((i * 7 + 3) % 128));
        return data;
    }

    /** A preset message around the data, with a header nobody checks. */
    Bytes messageAround (const Bytes& data) const
    {
        Bytes message;
        message.insertMultiple (0, 0x11, PresetLayout::messageDataStart);
        message.addArray (data);
        message.add (0x22);
        return message;
    }
};

/** The simulated keyboard chosen as both ports of a MIDI manager, an engine on them, and what
    the engine reports as failed. */
struct KeyboardRig
{
    KeyboardRig()
    {
        midiManager.setInputDevice (SimulatedKeyboard::portName);
        midiManager.setOutputDevice (SimulatedKeyboard::portName);
        engine->addListener (&failures);
    }

    ~KeyboardRig()
    {
        if (engine != nullptr) // a test may have dropped it
            engine->removeListener (&failures);
    }

    Bytes modelData() const { return engine->getModel().collectData(); }

    /** Different in every slot and never zero, so a reply from another get or an address never
        answered would show. */
    Bytes slotData (int slot) const
    {
        Bytes data;
        for (int i = 0; i < constants.dataLength(); ++i)
            data.add (static_cast<juce::uint8> ((i * 5 + slot * 11) % 127 + 1));
        return data;
    }

    static bool finishTransfers (QXEditorEngine& e)
    {
        return MidiTestSupport::dispatchUntil ([&] { return ! e.isTransferRunning(); }, 120000);
    }

    std::shared_ptr<VirtualMidiPortLayer> layer = std::make_shared<VirtualMidiPortLayer>();
    SimulatedKeyboard keyboard { *layer };
    KeyboardLink link { layer };
    MidiManager& midiManager = link.getMidiManager();
    QX61Constants constants;
    FailureRecorder failures;
    QXEditorEngine::Ptr engine = constants.makeEngine (link);
};

struct TemporaryFolder
{
    TemporaryFolder()
        : folder (juce::File::getSpecialLocation (juce::File::tempDirectory)
                      .getNonexistentChildFile ("qx-engine-test", "", false))
    {
        folder.createDirectory();
    }

    ~TemporaryFolder() { folder.deleteRecursively(); }

    juce::File file (const juce::String& name) const { return folder.getChildFile (name); }

    juce::File fileWith (const juce::String& name, const Bytes& bytes) const
    {
        auto result = file (name);
        result.replaceWithData (bytes.getRawDataPointer(), static_cast<size_t> (bytes.size()));
        return result;
    }

    juce::File folder;
};

inline Bytes contentsOf (const juce::File& file)
{
    juce::MemoryBlock block;
    file.loadFileAsData (block);
    return { static_cast<const juce::uint8*> (block.getData()), static_cast<int> (block.getSize()) };
}
} // namespace EngineTestSupport
