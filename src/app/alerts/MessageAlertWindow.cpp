#include "app/alerts/MessageAlertWindow.h"

class MessageAlertWindow::Lines : public juce::Component
{
public:
    explicit Lines (const juce::String& message)
        : texts (juce::StringArray::fromLines (message.replace ("\r\n", "\n"))),
          font (juce::LookAndFeel::getDefaultLookAndFeel().getAlertWindowMessageFont())
    {
        auto width = 0.0f;

        for (const auto& text : texts)
            width = juce::jmax (width, font.getStringWidthFloat (text));

        setSize (juce::roundToInt (std::ceil (width)) + 8,
                 juce::roundToInt (std::ceil (lineHeight() * (float) texts.size())));
    }

    void paint (juce::Graphics& g) override
    {
        g.setColour (findColour (juce::AlertWindow::textColourId));
        g.setFont (font);

        for (int i = 0; i < texts.size(); ++i)
            g.drawText (texts[i],
                        juce::Rectangle<float> (0.0f, lineHeight() * (float) i, (float) getWidth(), lineHeight()),
                        juce::Justification::centred, false);
    }

    const juce::StringArray texts;

private:
    float lineHeight() const { return font.getHeight() * 1.25f; }

    const juce::Font font;
};

MessageAlertWindow::MessageAlertWindow (const juce::String& title, const juce::String& message)
    : PromptWindow (title, {}, juce::MessageBoxIconType::NoIcon),
      lines (std::make_unique<Lines> (message))
{
    addCustomComponent (lines.get());
    addButton ("OK", 1, juce::KeyPress (juce::KeyPress::returnKey), juce::KeyPress (juce::KeyPress::escapeKey));
}

MessageAlertWindow::~MessageAlertWindow()
{
    removeCustomComponent (0);
}

juce::StringArray MessageAlertWindow::getLines() const
{
    return lines->texts;
}
