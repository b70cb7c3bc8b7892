#include "app/alerts/MidiErrorAlertWindow.h"

const juce::String MidiErrorAlertWindow::title ("MIDI Error");
const juce::String MidiErrorAlertWindow::message ("MIDI Communication Unsuccessful.\r\n"
                                                  "Verify MIDI Connection and Device Settings.\r\n"
                                                  "Verify no other applications are using the MIDI Port.");

MidiErrorAlertWindow* MidiErrorAlertWindow::show (AlertPresenter& presenter)
{
    auto* alert = new MidiErrorAlertWindow();
    presenter.showMessageAsync (title, message, alert);
    return alert;
}

MidiErrorAlertWindow::~MidiErrorAlertWindow()
{
    masterReference.clear();
}
