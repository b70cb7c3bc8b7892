#include "engine/QXEditorEngine.h"

#include "engine/files/PresetFile.h"
#include "engine/protocol/SysExMessages.h"
#include "engine/transfer/GetTransfer.h"
#include "engine/transfer/WriteTransfer.h"
#include "model/controls/ControlNames.h"
#include "model/controls/ParameterUpdater.h"
#include "model/kinds/QXPresetName.h"

#include <algorithm>
#include <iostream>

using namespace ControlGroup;
using Kind = TransferStatus::Kind;

QXEditorEngine::QXEditorEngine (const juce::uint8& modelIdIn, KeyboardLink& keyboardIn,
                                const juce::String& filePatternIn, const juce::uint8& highestSplitPoint,
                                const juce::uint8& maxOctave, const int& numKnobs, const int& numPads,
                                const int& numSwitches)
    : keyboard (keyboardIn),
      midiManager (keyboardIn.getMidiManager()),
      modelId (modelIdIn),
      presetLength (PresetLayout (numKnobs, numPads, numSwitches).messageLength()),
      model (PresetLayout (numKnobs, numPads, numSwitches), highestSplitPoint, maxOctave),
      filePattern (filePatternIn)
{
}

QXEditorEngine::~QXEditorEngine()
{
    // Once the transfer thread has left every transfer none of them calls back, so nothing
    // posted after this runs.
    transfers.cancelAll();
    cancelPendingUpdate();
}

void QXEditorEngine::addParameterUpdater (ParameterUpdater* updater, int groupId)
{
    addParameterUpdater (updater, groupId, 0);
}

void QXEditorEngine::addParameterUpdater (ParameterUpdater* updater, int groupId, juce::uint8 index)
{
    if (auto* control = model.getControl (groupId, index))
        control->addListener (updater);
}

void QXEditorEngine::addTransportParameterUpdater (ParameterUpdater* updater, int groupId, int index)
{
    if (groupId == transportGroup)
        if (auto* control = model.getControl (groupId, index))
            control->addListener (updater);
}

void QXEditorEngine::removeParameterUpdater (ParameterUpdater* updater, int groupId, int index)
{
    if (auto* control = model.getControl (groupId, index))
        control->removeListener (updater);
}

void QXEditorEngine::setParameter (int groupId, juce::uint8 index, const juce::String& parameterName, juce::uint8 value,
                                   bool notify)
{
    if (auto* control = model.getControl (groupId, index))
        writeParameter (*control, parameterName, value, notify);
}

void QXEditorEngine::writeParameter (Control& control, const juce::String& parameterName, juce::uint8 value,
                                     bool notify)
{
    const auto before = control.getBytes();
    control.setParameter (parameterName, value, notify);

    if (! hasPreset || control.getBytes() == before)
        return;

    auto previous = model.collectData();

    for (int i = 0; i < before.size(); ++i)
        previous.set (control.getImageOffset() + i, before.getUnchecked (i));

    history.record ({ previous, std::nullopt });
    reportEditedState();
    reportPresetChanged();
}

void QXEditorEngine::applyEdits (const std::vector<ParameterEdit>& edits)
{
    const auto before = model.collectData();

    for (const auto& edit : edits)
    {
        auto* control = model.getControl (edit.groupId, edit.index);

        if (control == nullptr)
            continue;

        control->setParameter (edit.parameterName, edit.value, false);
        const auto byteIndex = control->getParameterIndex (edit.parameterName);

        for (const auto& name : control->getParameterNames())
            if (control->getParameterIndex (name) == byteIndex)
                control->setParameter (name, control->getParameter (name), true);
    }

    if (! hasPreset || model.collectData() == before)
        return;

    history.record ({ before, std::nullopt });
    reportEditedState();
    reportPresetChanged();
}

void QXEditorEngine::reportPresetChanged()
{
    listeners.call ([] (Listener& listener) { listener.presetChanged(); });
}

void QXEditorEngine::setParameter (int groupId, const juce::String& parameterName, juce::uint8 value, bool notify)
{
    setParameter (groupId, 0, parameterName, value, notify);
}

void QXEditorEngine::setTransportParameter (int groupId, int index, const juce::String& parameterName,
                                            juce::uint8 value, bool notify)
{
    if (groupId == transportGroup)
        if (auto* control = model.getControl (groupId, index))
            writeParameter (*control, parameterName, value, notify);
}

juce::uint8 QXEditorEngine::getMinimum (int groupId, const juce::String& parameterName) const
{
    auto* control = model.getControl (groupId);
    return control != nullptr ? control->getMinimum (parameterName) : juce::uint8 { 0 };
}

juce::uint8 QXEditorEngine::getMaximum (int groupId, const juce::String& parameterName) const
{
    auto* control = model.getControl (groupId);
    return control != nullptr ? control->getMaximum (parameterName) : juce::uint8 { 0 };
}

bool QXEditorEngine::renamePreset (const juce::String& name)
{
    const auto encoded = QXPresetName::encode (name);
    auto* control = model.getControl (presetNameGroup);

    if (! encoded.has_value() || control == nullptr)
        return false;

    const auto before = model.collectData();

    for (int i = 0; i < encoded->size(); ++i)
        control->setParameter (QXPresetName::characterParameterName (i), (*encoded)[i], true);

    // One step for the whole name, as the user typed it in one go.
    if (hasPreset && model.collectData() != before)
    {
        history.record ({ before, std::nullopt });
        reportEditedState();
    }

    return true;
}

juce::String QXEditorEngine::getPresetName() const
{
    auto* control = model.getControl (presetNameGroup);
    return control != nullptr ? QXPresetName::decode (control->getBytes()) : juce::String();
}

void QXEditorEngine::addPresetNameListener (Control::Listener* listener)
{
    if (auto* control = model.getControl (presetNameGroup))
        control->addListener (listener);
}

void QXEditorEngine::removePresetNameListener (Control::Listener* listener)
{
    if (auto* control = model.getControl (presetNameGroup))
        control->removeListener (listener);
}

void QXEditorEngine::addListener (Listener* listener)
{
    listeners.add (listener);
}

void QXEditorEngine::removeListener (Listener* listener)
{
    listeners.remove (listener);
}

void QXEditorEngine::applyPreset (const Bytes& presetMessage)
{
    if (presetMessage.size() == presetLength)
        distributePreset (presetMessage);
}

void QXEditorEngine::distributePreset (const Bytes& presetMessage)
{
    Bytes data (presetMessage);
    data.removeRange (0, PresetLayout::messageDataStart);

    if (! data.isEmpty())
        data.removeLast (PresetLayout::messageTrailerBytes);

    applyWholePreset (data);
}

void QXEditorEngine::applyWholePreset (const Bytes& presetData)
{
    const auto before = model.collectData();
    model.applyData (presetData);

    if (! hasPreset)
    {
        hasPreset = true;
        markClean();
    }
    else if (model.collectData() != before)
    {
        history.record ({ before, presetFile });
    }

    reportEditedState();
    reportPresetChanged();
}

bool QXEditorEngine::undo()
{
    EditHistory::Step restored;

    if (! history.undo (model.collectData(), presetFile, restored))
        return false;

    restore (restored);
    return true;
}

bool QXEditorEngine::redo()
{
    EditHistory::Step restored;

    if (! history.redo (model.collectData(), presetFile, restored))
        return false;

    restore (restored);
    return true;
}

void QXEditorEngine::restore (const EditHistory::Step& step)
{
    model.applyData (step.data);

    if (step.file.has_value())
        presetFile = *step.file;

    reportEditedState();
    reportPresetChanged();
}

QXEditorEngine::Bytes QXEditorEngine::buildPresetMessage (juce::uint8 slot) const
{
    return SysExMessages::presetMessage (modelId, slot, model.collectData());
}

//==============================================================================
bool QXEditorEngine::portsAreOpen() const
{
    return midiManager.isConnected() && midiManager.isOutputOpen();
}

void QXEditorEngine::reportMidiFailure (const juce::String& message)
{
    listeners.call ([&] (Listener& listener) { listener.midiCommunicationFailed (message); });
}

void QXEditorEngine::startGet (juce::uint8 slot)
{
    if (slot > highestSlot)
        return;

    cancel (Kind::get);

    // Without ports every request would vanish and the user would wait out every attempt.
    if (! portsAreOpen())
    {
        reportMidiFailure();
        return;
    }

    *diagnostics << "number of gets : 0\r\n"
                 << "starting get\r\n"
                 << std::flush;

    enqueueRead (readSettings (slot, dataLength()));
}

void QXEditorEngine::startNameRead()
{
    cancel (Kind::names);

    if (! portsAreOpen())
    {
        reportMidiFailure();
        return;
    }

    auto settings = readSettings (0, PresetLayout::presetNameBytes);
    settings.kind = Kind::names;
    settings.slotCount = ModelConstants::numSlots;
    enqueueRead (settings);
}

GetTransfer::Settings QXEditorEngine::readSettings (juce::uint8 slot, int length) const
{
    GetTransfer::Settings settings;
    settings.modelId = modelId;
    settings.slot = slot;
    settings.dataLength = length;
    settings.requestPauseMs = timing.requestPauseMs;
    settings.replyTimeoutMs = timing.replyTimeoutMs;
    settings.maxAttempts = timing.maxAttempts;
    settings.settleMs = timing.settleMs;
    settings.replies = &keyboard.getReplyRecord();
    return settings;
}

void QXEditorEngine::enqueueRead (const GetTransfer::Settings& settings)
{
    RunningTransfer running;
    running.get = std::make_shared<GetTransfer> (midiManager, settings, [this] { triggerAsyncUpdate(); });
    running.transfer = running.get;
    running.kind = settings.kind;
    transfers.add (running);
    processTransfers();
}

void QXEditorEngine::keepNamesRead (const RunningTransfer& running)
{
    slotNames.assign (static_cast<size_t> (ModelConstants::numSlots), std::nullopt);
    const auto read = running.get->getSlotsRead();

    for (size_t i = 0; i < read.size() && i < slotNames.size(); ++i)
        slotNames[i] = QXPresetName::decode (read[i]);
}

bool QXEditorEngine::sendPreset (juce::uint8 slot)
{
    if (! portsAreOpen() || slot > highestSlot)
    {
        reportMidiFailure();
        return false;
    }

    // The copy taken now is what goes, whatever is edited during the send.
    const auto data = model.collectData();
    const auto* tooHigh = std::find_if (data.begin(), data.end(),
                                        [] (juce::uint8 byte) { return byte > SysExMessages::highestDataByte; });

    // Such a byte can only come from a file; sending it masked or not at all would leave the
    // keyboard holding something other than what the editor shows.
    if (tooHigh != data.end())
    {
        const auto address = static_cast<int> (tooHigh - data.begin());
        const auto reason = ControlNames::describeDataByte (model, address) + " holds " + juce::String (*tooHigh)
                            + juce::String (juce::CharPointer_UTF8 ("; MIDI carries 0\xe2\x80\x93"
                                                                    "127."));
        listeners.call ([&] (Listener& listener) { listener.sendRefused (reason); });
        return false;
    }

    std::vector<juce::MidiMessage> messages;

    for (int address = 0; address < data.size(); ++address)
        messages.push_back (
            SysExMessages::toMidiMessage (SysExMessages::writeMessage (modelId, slot, address, data[address])));

    enqueueWrite (Kind::send, slot, std::move (messages), timing.writePauseMs, data);
    return true;
}

bool QXEditorEngine::setSync (bool external)
{
    if (! portsAreOpen())
    {
        reportMidiFailure();
        return false;
    }

    enqueueWrite (Kind::sync, external ? 1 : 0,
                  { SysExMessages::toMidiMessage (SysExMessages::syncMessage (modelId, external)) }, 0);
    return true;
}

void QXEditorEngine::enqueueWrite (Kind kind, juce::uint8 slot, std::vector<juce::MidiMessage> messages, int pauseMs,
                                   Bytes sentData)
{
    TransferStatus initial;
    initial.kind = kind;
    initial.slot = slot;
    initial.total = static_cast<int> (messages.size());

    RunningTransfer running;
    running.transfer = std::make_shared<WriteTransfer> (midiManager, initial, std::move (messages), pauseMs,
                                                        [this] { triggerAsyncUpdate(); });
    running.kind = kind;
    running.sentData = std::move (sentData);
    running.cleanMark = ++cleanMarks;
    transfers.add (running);
    processTransfers();
}

void QXEditorEngine::cancelTransfers()
{
    cancel (Kind::get);
    cancel (Kind::names);
    cancel (Kind::send);
    cancel (Kind::sync);
}

void QXEditorEngine::cancel (Kind kind)
{
    if (transfers.cancel (kind))
        processTransfers();
}

void QXEditorEngine::handleAsyncUpdate()
{
    processTransfers();
}

// Listeners may start or cancel transfers, or drop their references to this engine, while they
// are told; so the list is settled first and they are told afterwards.
void QXEditorEngine::processTransfers()
{
    const Ptr keepAlive (this);
    const auto changes = transfers.collectChanges (
        [this] (const RunningTransfer& running, TransferStatus status) { return confirmed (running, status); });

    for (const auto& [running, status] : changes)
    {
        if (status.kind == Kind::names && status.isFinished())
            keepNamesRead (running);

        listeners.call ([&status = status] (Listener& listener) { listener.transferChanged (status); });

        if (status.isFinished())
            finish (running, status);
    }
}

// The transfer's own view, corrected by what only the message thread knows: that the user
// cancelled it, or that the device watch finds the keyboard gone after the last write.
TransferStatus QXEditorEngine::confirmed (const RunningTransfer& running, TransferStatus status)
{
    if (running.cancelRequested && status.state != TransferStatus::State::failed)
        status.state = TransferStatus::State::cancelled;

    if (status.state == TransferStatus::State::succeeded && running.get == nullptr)
    {
        midiManager.checkDevices();

        if (midiManager.getConnectionEpoch() != running.transfer->getStartEpoch())
            status.state = TransferStatus::State::failed;
    }

    if (status.kind == Kind::send && status.isFinished())
        status.mayBePartlyWritten = status.state != TransferStatus::State::succeeded && status.done > 0;

    return status;
}

void QXEditorEngine::finish (const RunningTransfer& running, const TransferStatus& status)
{
    if (status.state == TransferStatus::State::failed && status.portHolder.isNotEmpty())
        return reportMidiFailure ("the keyboard is in use by " + status.portHolder);

    if (status.state == TransferStatus::State::failed)
    {
        reportMidiFailure (status.mayBePartlyWritten ? "the send stopped early: slot " + juce::String (status.slot + 1)
                                                           + " may be partly written"
                                                     : juce::String());
        return;
    }

    if (status.state != TransferStatus::State::succeeded)
        return;

    if (status.kind == Kind::get)
    {
        distributePreset (SysExMessages::presetMessage (modelId, status.slot, running.get->getData()));
        markClean();
        setSourceSlot (status.slot);
    }
    else if (status.kind == Kind::send)
    {
        // Edits made during the send were not sent, so they still count as edits.
        markCleanAt (running.cleanMark, running.sentData);
        setSourceSlot (status.slot);
    }

    listeners.call ([&] (Listener& listener) { listener.transferSucceeded (status.kind, status.slot); });
}

void QXEditorEngine::takeAsRecovered (const juce::File& file)
{
    presetFile = file;

    // What the file or the keyboard held is not known; no data matches an empty clean point.
    markCleanAt (++cleanMarks, {});
}

void QXEditorEngine::markCleanAt (std::uint64_t mark, const Bytes& data)
{
    if (mark < cleanMark)
        return;

    cleanMark = mark;
    history.markClean (data);
    reportEditedState();
}

void QXEditorEngine::setSourceSlot (std::optional<juce::uint8> slot)
{
    if (slot == sourceSlot)
        return;

    sourceSlot = slot;
    listeners.call ([] (Listener& listener) { listener.sourceSlotChanged(); });
}

void QXEditorEngine::reportEditedState()
{
    const auto edited = hasUnsavedEdits();

    if (edited == reportedEdited)
        return;

    reportedEdited = edited;
    listeners.call ([edited] (Listener& listener) { listener.editedChanged (edited); });
}

//==============================================================================
juce::Result QXEditorEngine::savePresetFile (const juce::File& file)
{
    const auto saved = PresetFile (file).save (buildPresetMessage (0));

    if (saved.wasOk())
    {
        presetFile = file;
        markClean();
    }

    return saved;
}

bool QXEditorEngine::loadPresetFile (const juce::File& file)
{
    const auto message = PresetFile (file).load (presetLength);

    if (! message.has_value())
        return false;

    // The file is the preset now; a get still running would replace it.
    cancel (Kind::get);
    distributePreset (*message);
    presetFile = file;
    markClean();
    setSourceSlot (std::nullopt);
    return true;
}
