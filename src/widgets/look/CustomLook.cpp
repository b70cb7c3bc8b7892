#include "widgets/look/CustomLook.h"

#include "widgets/look/WidgetColours.h"

CustomLook::CustomLook()
{
    setUsingNativeAlertWindows (true);
    setColour (juce::AlertWindow::backgroundColourId, juce::Colours::white);
    setColour (juce::AlertWindow::textColourId, juce::Colours::black);
    setColour (juce::AlertWindow::outlineColourId, WidgetColours::accent);
}

void CustomLook::drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour&,
                                       bool isMouseOverButton, bool isButtonDown)
{
    const auto bounds = button.getLocalBounds().toFloat();

    if (isButtonDown)
        g.setColour (WidgetColours::pressed);
    else if (isMouseOverButton)
        g.setColour (juce::Colours::white);
    else
        g.setColour (WidgetColours::idleButton);

    g.fillRoundedRectangle (bounds, 4.0f);
    g.setColour (juce::Colours::black);
    g.drawRoundedRectangle (bounds, 4.0f, 1.0f);
}

void CustomLook::drawToggleButton (juce::Graphics&, juce::ToggleButton&, bool, bool) {}

void CustomLook::fillTextEditorBackground (juce::Graphics&, int, int, juce::TextEditor&) {}

void CustomLook::drawTextEditorOutline (juce::Graphics&, int, int, juce::TextEditor&) {}

void CustomLook::drawPopupMenuBackground (juce::Graphics& g, int width, int height)
{
    // The frame keeps the list apart from the blue panel and rows it opens over.
    g.fillAll (WidgetColours::accent);
    g.setColour (juce::Colours::white);
    g.drawRect (0, 0, width, height, 1);
}

void CustomLook::drawPopupMenuItem (juce::Graphics& g, const juce::Rectangle<int>& area, bool, bool, bool isHighlighted,
                                    bool, bool, const juce::String& text, const juce::String&, const juce::Drawable*,
                                    const juce::Colour*)
{
    auto textColour = juce::Colours::white;

    if (isHighlighted)
    {
        g.setColour (juce::Colours::white);
        g.fillRect (area);
        textColour = WidgetColours::accent;
    }

    g.setColour (textColour);
    g.drawText (text, 0, 0, area.getWidth(), area.getHeight(), juce::Justification::left, false);
}

void CustomLook::drawMenuBarItem (juce::Graphics& g, int width, int height, int itemIndex, const juce::String& itemText,
                                  bool isMouseOverItem, bool isMenuOpen, bool, juce::MenuBarComponent& menuBar)
{
    if (! menuBar.isEnabled())
    {
        g.fillAll (juce::Colours::white);
        g.setColour (menuBar.findColour (juce::PopupMenu::textColourId).withMultipliedAlpha (0.5f));
    }
    else if (isMenuOpen || isMouseOverItem)
    {
        g.fillAll (menuBar.findColour (juce::PopupMenu::highlightedBackgroundColourId));
        g.setColour (menuBar.findColour (juce::PopupMenu::highlightedTextColourId));
    }
    else
    {
        g.setColour (menuBar.findColour (juce::PopupMenu::textColourId));
    }

    g.setFont (getMenuBarFont (menuBar, itemIndex, itemText));
    g.drawFittedText (itemText, 0, 0, width, height, juce::Justification::centred, 1, 0.7f);
}

void CustomLook::drawComboBox (juce::Graphics& g, int width, int height, bool, int, int, int, int, juce::ComboBox& box)
{
    g.setColour (juce::Colours::white);
    g.fillRoundedRectangle (0.0f, 0.0f, (float) width, (float) height, 2.0f);

    // A small arrow pointing down, centred 10 pixels from the right edge.
    const auto middle = (float) (height / 2);
    juce::Path arrow;
    arrow.addTriangle ((float) width - 10.0f, middle + 4.0f, (float) width - 5.0f, middle, (float) width - 15.0f,
                       middle);

    g.setColour (box.findColour (juce::ComboBox::arrowColourId));
    g.fillPath (arrow);

    if (box.hasKeyboardFocus (true))
        WidgetColours::drawFocusOutline (g, box.getLocalBounds());
}

void CustomLook::drawLabel (juce::Graphics& g, juce::Label& label)
{
    g.fillAll (label.findColour (juce::Label::backgroundColourId));

    if (! label.isBeingEdited())
    {
        const auto alpha = label.isEnabled() ? 1.0f : 0.5f;
        g.setFont (getLabelFont (label));
        g.setColour (label.findColour (juce::Label::textColourId).withMultipliedAlpha (alpha));

        // A combo box's choice is read whole, squeezed or smaller; a caption may be cut.
        if (dynamic_cast<juce::ComboBox*> (label.getParentComponent()) != nullptr)
            drawWholeText (g, label.getText(), label.getLocalBounds().withTrimmedRight (comboArrowGap));
        else
            g.drawText (label.getText(), 0, 0, label.getWidth(), label.getHeight(), juce::Justification::centredLeft,
                        true);
        g.setColour (label.findColour (juce::Label::outlineColourId).withMultipliedAlpha (alpha));
    }
    else if (label.isEnabled())
    {
        g.setColour (label.findColour (juce::Label::outlineColourId));
    }

    g.drawRect (label.getLocalBounds(), 1);
}

void CustomLook::drawAlertBox (juce::Graphics& g, juce::AlertWindow& alert, const juce::Rectangle<int>& textArea,
                               juce::TextLayout& textLayout)
{
    g.fillAll (alert.findColour (juce::AlertWindow::backgroundColourId));
    auto text = textArea;

    if (const auto type = alert.getAlertType(); type != juce::MessageBoxIconType::NoIcon)
    {
        const juce::Rectangle<float> icon (16.0f, 16.0f, (float) alertIconSize, (float) alertIconSize);
        g.setColour (type == juce::MessageBoxIconType::WarningIcon ? WidgetColours::refusalText
                                                                   : WidgetColours::accent);
        g.fillEllipse (icon);
        g.setColour (juce::Colours::white);
        g.setFont (juce::Font ((float) alertIconSize * 0.7f, juce::Font::bold));
        const auto mark = type == juce::MessageBoxIconType::WarningIcon ? "!"
                          : type == juce::MessageBoxIconType::InfoIcon  ? "i"
                                                                        : "?";
        g.drawText (mark, icon, juce::Justification::centred, false);
        text.removeFromLeft (alertIconSpace);
    }

    g.setColour (alert.findColour (juce::AlertWindow::textColourId));
    textLayout.draw (g, text.toFloat());
    g.setColour (alert.findColour (juce::AlertWindow::outlineColourId));
    g.drawRect (alert.getLocalBounds(), 1);
}

void CustomLook::drawWholeText (juce::Graphics& g, const juce::String& text, juce::Rectangle<int> area)
{
    auto font = g.getCurrentFont();

    while (font.getHeight() > minimumWholeTextHeight
           && font.getStringWidthFloat (text) * minimumWholeTextScale > (float) area.getWidth())
        font.setHeight (font.getHeight() - 0.5f);

    g.setFont (font);
    g.drawFittedText (text, area, juce::Justification::centredLeft, 1, minimumWholeTextScale);
}
