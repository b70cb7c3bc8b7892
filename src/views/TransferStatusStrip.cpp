#include "views/TransferStatusStrip.h"

#include "widgets/look/WidgetColours.h"

using Kind = TransferStatus::Kind;
using State = TransferStatus::State;

namespace
{
const juce::String dash (juce::CharPointer_UTF8 (" \xe2\x80\x94 "));

juce::String slotText (const TransferStatus& status)
{
    return "slot " + juce::String (status.slot + 1);
}

juce::String syncText (const TransferStatus& status)
{
    return status.slot != 0 ? "external" : "internal";
}

juce::String countText (const TransferStatus& status)
{
    return dash + juce::String (status.done) + " of " + juce::String (status.total);
}
} // namespace

TransferStatusStrip::TransferStatusStrip (QXEditorEngine::Ptr engineIn, Conflicts conflictsIn)
    : engine (std::move (engineIn)),
      conflicts (conflictsIn)
{
    setName ("Transfer Status");
    bar.setPercentageDisplay (false);
    bar.setColour (juce::ProgressBar::foregroundColourId, WidgetColours::accent);

    for (auto* label : { &attemptLabel, &messageLabel })
        label->setColour (juce::Label::textColourId, juce::Colours::white);
    conflictLabel.setColour (juce::Label::textColourId, WidgetColours::refusal);
    conflictLabel.setJustificationType (juce::Justification::centredRight);

    cancelButton.setName ("Cancel");
    cancelButton.addListener (this);

    for (auto* child :
         std::initializer_list<juce::Component*> { &bar, &attemptLabel, &messageLabel, &cancelButton, &conflictLabel })
        addChildComponent (child);

    engine->addListener (this);
    presetChanged();
}

void TransferStatusStrip::presetChanged()
{
    if (conflicts == Conflicts::ignored)
        return;

    mapping.refresh();
    const auto count = mapping.getNumConflicts();
    conflictLabel.setText (MappingTable::describeConflicts (count), juce::dontSendNotification);
    conflictLabel.setVisible (count > 0);
    showWhenNeeded (bar.isVisible() || messageLabel.isVisible());
}

void TransferStatusStrip::showWhenNeeded (bool transferShown)
{
    setVisible (transferShown || conflictLabel.isVisible());
}

TransferStatusStrip::~TransferStatusStrip()
{
    engine->removeListener (this);
}

juce::String TransferStatusStrip::describe (const TransferStatus& status)
{
    switch (status.state)
    {
        case State::waiting:
            return status.portHolder.isEmpty() ? "Waiting for another transfer to end"
                                               : "Waiting for " + status.portHolder;
        case State::running:
            switch (status.kind)
            {
                case Kind::get: return "Reading " + slotText (status) + countText (status);
                case Kind::send: return "Writing " + slotText (status) + countText (status);
                case Kind::sync: return "Setting sync to " + syncText (status);
                case Kind::names: return "Reading names" + countText (status);
            }
            break;
        case State::succeeded:
            switch (status.kind)
            {
                case Kind::get: return "Preset read from " + slotText (status);
                case Kind::send: return "Preset sent to " + slotText (status);
                case Kind::sync: return "Sync set to " + syncText (status);
                case Kind::names: return "Names read";
            }
            break;
        case State::failed:
        case State::cancelled:
            if (status.mayBePartlyWritten)
                return juce::String (status.state == State::cancelled ? "Send cancelled" : "Send failed") + ": "
                       + slotText (status) + " may be partly written";
            return status.state == State::cancelled ? "Cancelled" : juce::String();
    }

    return {};
}

void TransferStatusStrip::transferChanged (const TransferStatus& status)
{
    if (! status.isFinished())
        showRunning (status);
    else
        showMessage (describe (status));
}

void TransferStatusStrip::showRunning (const TransferStatus& status)
{
    stopTimer();
    progress = status.state == State::running && status.total > 0 ? status.done / (double) status.total : -1.0;
    barText = describe (status);
    bar.setTextToDisplay (barText);
    attemptLabel.setText (status.attempt > 1
                              ? "Attempt " + juce::String (status.attempt) + " of " + juce::String (status.maxAttempts)
                              : juce::String(),
                          juce::dontSendNotification);
    messageLabel.setVisible (false);

    for (auto* child : std::initializer_list<juce::Component*> { &bar, &attemptLabel, &cancelButton })
        child->setVisible (true);

    setVisible (true);
    toFront (false);
}

void TransferStatusStrip::showMessage (const juce::String& text)
{
    for (auto* child : std::initializer_list<juce::Component*> { &bar, &attemptLabel, &cancelButton })
        child->setVisible (false);

    messageLabel.setText (text, juce::dontSendNotification);
    messageLabel.setVisible (text.isNotEmpty());
    showWhenNeeded (text.isNotEmpty());

    if (text.isNotEmpty())
        startTimer (messageShownMs);
}

juce::String TransferStatusStrip::getText() const
{
    return messageLabel.isVisible() ? messageLabel.getText() : barText;
}

void TransferStatusStrip::buttonClicked (juce::Button*)
{
    engine->cancelTransfers();
}

void TransferStatusStrip::timerCallback()
{
    stopTimer();
    messageLabel.setVisible (false);
    showWhenNeeded (false);
}

void TransferStatusStrip::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xE01B1B1B));
}

void TransferStatusStrip::resized()
{
    auto area = getLocalBounds().reduced (4);
    conflictLabel.setBounds (area.removeFromRight (100));
    cancelButton.setBounds (area.removeFromRight (80));
    area.removeFromRight (6);
    messageLabel.setBounds (area);
    attemptLabel.setBounds (area.removeFromRight (120));
    bar.setBounds (area);
}
