#include "app/FileErrorAlertWindow.h"

const juce::String FileErrorAlertWindow::title ("File Error");

FileErrorAlertWindow* FileErrorAlertWindow::show (AlertPresenter& presenter, const juce::String& message)
{
    auto* alert = new FileErrorAlertWindow();
    presenter.showMessageAsync (title, message, alert);
    return alert;
}

FileErrorAlertWindow::~FileErrorAlertWindow()
{
    masterReference.clear();
}

juce::String FileErrorAlertWindow::openingMessage (const juce::String& fileName)
{
    return "Error Opening " + fileName + "\r\n" + " Invalid Preset Data";
}

juce::String FileErrorAlertWindow::savingMessage (const juce::String& fileName)
{
    return "Error Saving " + fileName + "\r\n" + " Could not write the file";
}
