#include "engine/QXEditorEngine.h"

#include "engine/PresetFile.h"
#include "engine/SysExMessages.h"
#include "model/ParameterUpdater.h"

#include <algorithm>
#include <chrono>
#include <iostream>
#include <thread>

using namespace ControlGroup;

namespace
{
constexpr juce::uint8 highestDataByte = 0x7F;

bool fitsInSysEx (const Control::Bytes& data)
{
    return std::all_of (data.begin(), data.end(), [] (juce::uint8 byte) { return byte <= highestDataByte; });
}
} // namespace

QXEditorEngine::QXEditorEngine (const juce::uint8& modelIdIn, MidiManager& midiManagerIn,
                                const juce::String& filePatternIn, const juce::uint8& highestSplitPoint,
                                const juce::uint8& maxOctave, const int& numKnobs, const int& numPads,
                                const int& numSwitches)
    : midiManager (midiManagerIn),
      modelId (modelIdIn),
      presetLength (PresetLayout (numKnobs, numPads, numSwitches).messageLength()),
      model (PresetLayout (numKnobs, numPads, numSwitches), highestSplitPoint, maxOctave),
      filePattern (filePatternIn)
{
}

QXEditorEngine::~QXEditorEngine()
{
    // First, so that no reply can arrive while the rest goes: once this returns the MIDI
    // thread never calls us again, and nothing it posted may run afterwards.
    midiManager.removeListener (this);
    cancelPendingUpdate();
    stopTimer();
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

void QXEditorEngine::setParameter (int groupId, juce::uint8 index, const juce::String& parameterName,
                                   juce::uint8 value, bool notify)
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

    history.record (previous);
}

void QXEditorEngine::setParameter (int groupId, const juce::String& parameterName, juce::uint8 value,
                                   bool notify)
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
        history.record (before);
    }
}

bool QXEditorEngine::undo()
{
    Bytes restored;

    if (! history.undo (model.collectData(), restored))
        return false;

    model.applyData (restored);
    return true;
}

bool QXEditorEngine::redo()
{
    Bytes restored;

    if (! history.redo (model.collectData(), restored))
        return false;

    model.applyData (restored);
    return true;
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

template <typename MessageForAddress>
bool QXEditorEngine::sendPaced (int count, int pauseMs, MessageForAddress&& messageForAddress)
{
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const auto pause = std::chrono::milliseconds (pauseMs);
    bool allSent = true;

    for (int address = 0; address < count; ++address)
    {
        allSent = midiManager.sendMessage (SysExMessages::toMidiMessage (messageForAddress (address))) && allSent;
        std::this_thread::sleep_until (start + pause * (address + 1));
    }

    return allSent;
}

//==============================================================================
void QXEditorEngine::startGet (juce::uint8 slot)
{
    if (getRunning || slot > highestSlot)
        return;

    // Without ports every request would vanish and the user would wait out every attempt.
    if (! portsAreOpen())
    {
        reportMidiFailure();
        return;
    }

    midiManager.addListener (this);
    getRunning = true;
    attempts = 0;
    requestSlot = slot;
    beginAttempt();

    *diagnostics << "number of gets : " << countAnswered() << "\r\n"
              << "starting get\r\n"
              << std::flush;

    requestPreset (requestSlot);
}

void QXEditorEngine::beginAttempt()
{
    const juce::ScopedLock lock (receiveLock);
    receiveBuffer.clearQuick();
    receiveBuffer.insertMultiple (0, 0, dataLength());
    answered.assign (static_cast<size_t> (dataLength()), false);
    answeredCount = 0;
    collecting = true;
}

void QXEditorEngine::requestPreset (juce::uint8 slot)
{
    if (isCompletionPending())
        return;

    beginAttempt();

    sendPaced (dataLength(), timing.requestPauseMs,
               [&] (int address) { return SysExMessages::readRequest (modelId, slot, address); });

    // Replies keep coming while the loop runs; a get may be complete already.
    if (! isCompletionPending())
        startTimer (timing.replyTimeoutMs);
}

void QXEditorEngine::handleMidiMessage (const juce::MidiMessage& message)
{
    const auto reply = SysExMessages::parseReadReply (message);

    if (! reply.has_value())
        return;

    bool nowComplete = false;

    {
        const juce::ScopedLock lock (receiveLock);

        if (! collecting || reply->address < 0 || reply->address >= dataLength())
            return;

        const auto index = static_cast<size_t> (reply->address);
        receiveBuffer.set (reply->address, reply->value);

        if (! answered[index])
        {
            answered[index] = true;
            ++answeredCount;
        }

        if (answeredCount == dataLength())
        {
            collecting = false;
            completed = true;
            nowComplete = true;
        }
    }

    // The controls and their widgets belong to the message thread.
    if (nowComplete)
        triggerAsyncUpdate();
}

int QXEditorEngine::countAnswered()
{
    const juce::ScopedLock lock (receiveLock);
    return answeredCount;
}

bool QXEditorEngine::isCompletionPending()
{
    const juce::ScopedLock lock (receiveLock);
    return completed;
}

bool QXEditorEngine::takeCompletedPreset (Bytes& presetData)
{
    const juce::ScopedLock lock (receiveLock);

    if (! completed)
        return false;

    completed = false;
    presetData = receiveBuffer;
    return true;
}

void QXEditorEngine::handleAsyncUpdate()
{
    Bytes presetData;

    if (! takeCompletedPreset (presetData))
        return;

    finishGet();
    applyWholePreset (presetData);
    markClean();
}

void QXEditorEngine::timerCallback()
{
    stopTimer();

    if (isCompletionPending())
    {
        handleUpdateNowIfNeeded();
        return;
    }

    if (attempts < timing.maxAttempts - 1)
    {
        ++attempts;
        requestPreset (requestSlot);
        return;
    }

    finishGet();
    reportMidiFailure();
}

void QXEditorEngine::finishGet()
{
    stopTimer();
    midiManager.removeListener (this);

    {
        const juce::ScopedLock lock (receiveLock);
        collecting = false;
    }

    getRunning = false;
    attempts = 0;
}

//==============================================================================
bool QXEditorEngine::sendPreset (juce::uint8 slot)
{
    if (! portsAreOpen() || slot > highestSlot)
    {
        reportMidiFailure();
        return false;
    }

    const auto data = model.collectData();

    // Such a byte can only come from a file; sending it masked or not at all would leave the
    // keyboard holding something other than what the editor shows.
    if (! fitsInSysEx (data))
    {
        reportMidiFailure ("The preset holds a value above 127, which MIDI cannot carry.");
        return false;
    }

    const auto paced = sendPaced (data.size(), timing.writePauseMs, [&] (int address) {
        return SysExMessages::writeMessage (modelId, slot, address, data[address]);
    });

    // A keyboard unplugged during the loop leaves its port open but deaf, and the device watch
    // cannot run while the loop blocks; ask now, or a half-written slot would pass as sent.
    midiManager.checkDevices();
    const auto sent = paced && midiManager.isOutputOpen();

    if (! sent)
        reportMidiFailure();
    else
        markClean();

    return sent;
}

bool QXEditorEngine::setSync (bool external)
{
    if (! portsAreOpen()
        || ! midiManager.sendMessage (SysExMessages::toMidiMessage (SysExMessages::syncMessage (modelId, external))))
    {
        reportMidiFailure();
        return false;
    }

    return true;
}

//==============================================================================
bool QXEditorEngine::savePresetFile (const juce::File& file)
{
    if (! PresetFile (file).save (buildPresetMessage (0)))
        return false;

    markClean();
    return true;
}

bool QXEditorEngine::loadPresetFile (const juce::File& file)
{
    const auto message = PresetFile (file).load (presetLength);

    if (! message.has_value())
        return false;

    distributePreset (*message);
    markClean();
    return true;
}
