#pragma once

#include "app/alerts/PromptWindow.h"

/** An alert window with one "OK" button, sized to its message: each line of the
    message stays one line (the framework's own layout breaks a long last line in two). */
class MessageAlertWindow : public PromptWindow
{
public:
    MessageAlertWindow (const juce::String& title, const juce::String& message);
    ~MessageAlertWindow() override;

    /** The message's lines, as shown. */
    juce::StringArray getLines() const;

private:
    class Lines;
    std::unique_ptr<Lines> lines;
};
