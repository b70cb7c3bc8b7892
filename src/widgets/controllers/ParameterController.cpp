#include "widgets/controllers/ParameterController.h"

ParameterController::ParameterController (UIParameterInterface* uiIn, QXEditorEngine::Ptr engineIn,
                                          const juce::String& parameterNameIn, int valueOffsetIn)
    : parameterName (parameterNameIn),
      ui (uiIn),
      engine (std::move (engineIn)),
      valueOffset (valueOffsetIn)
{
}

void ParameterController::parameterChanged (const juce::String& changedName, juce::uint8 value)
{
    if (changedName == parameterName)
        ui->setValue (value + valueOffset);
}

void ParameterController::updateParameter (int shownValue)
{
    const auto value = static_cast<juce::uint8> ((shownValue - valueOffset) & 0xff);
    const auto* control = findControl();

    if (control == nullptr)
        return;

    const auto before = control->getParameter (parameterName);
    writeToEngine (parameterName, value, false);
    const auto after = control->getParameter (parameterName);

    if (after != before)
        reportNamesSharingByte (*control, parameterName, after);
}

void ParameterController::reportNamesSharingByte (const Control& control, const juce::String& name, juce::uint8 value)
{
    const auto byteIndex = control.getParameterIndex (name);

    for (const auto& other : control.getParameterNames())
        if (control.getParameterIndex (other) == byteIndex)
            writeToEngine (other, value, true);
}

void ParameterController::showStoredValue()
{
    if (const auto* control = findControl())
        parameterChanged (parameterName, control->getParameter (parameterName));
}
