#include "app/SendRefusedAlertWindow.h"

const juce::String SendRefusedAlertWindow::title ("Preset Not Sent");

SendRefusedAlertWindow* SendRefusedAlertWindow::show (AlertPresenter& presenter, const juce::String& reason)
{
    auto* alert = new SendRefusedAlertWindow();
    presenter.showMessageAsync (title, reason, alert);
    return alert;
}

SendRefusedAlertWindow::~SendRefusedAlertWindow()
{
    masterReference.clear();
}
