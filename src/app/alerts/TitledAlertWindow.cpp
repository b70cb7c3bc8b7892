#include "app/alerts/TitledAlertWindow.h"

const juce::String TitledAlertWindow::fileErrorTitle ("File Error");
const juce::String TitledAlertWindow::sendRefusedTitle ("Preset Not Sent");

TitledAlertWindow* TitledAlertWindow::show (AlertPresenter& presenter, const juce::String& title,
                                            const juce::String& message)
{
    auto* alert = new TitledAlertWindow();
    presenter.showMessageAsync (title, message, alert);
    return alert;
}

TitledAlertWindow::~TitledAlertWindow()
{
    masterReference.clear();
}

juce::String TitledAlertWindow::openingMessage (const juce::String& fileName)
{
    return "Error Opening " + fileName + "\r\n" + " Invalid Preset Data";
}

juce::String TitledAlertWindow::savingMessage (const juce::String& fileName, const juce::String& reason)
{
    return "Error Saving " + fileName + "\r\n " + reason;
}
