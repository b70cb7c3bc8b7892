#include "engine/transfer/WriteTransfer.h"

WriteTransfer::WriteTransfer (MidiManager& midiManagerIn, const TransferStatus& initial,
                              std::vector<juce::MidiMessage> messagesIn, double pauseMsIn,
                              std::function<void()> onChangeIn)
    : Transfer (midiManagerIn, initial, std::move (onChangeIn)),
      messages (std::move (messagesIn)),
      pauseMs (pauseMsIn)
{
}

bool WriteTransfer::run (TransferPacer& pacer)
{
    for (size_t i = 0; i < messages.size(); ++i)
    {
        if (! sendPaced (pacer, messages[i], pauseMs))
            return false;

        updateStatus ([i] (TransferStatus& s) { s.done = static_cast<int> (i) + 1; });
    }

    return true;
}
