#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The program's flat drawing style in the accent blue, white, light greys and black. */
class CustomLook : public juce::LookAndFeel_V3
{
public:
    CustomLook();

    void drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour& backgroundColour,
                               bool isMouseOverButton, bool isButtonDown) override;
    void drawToggleButton (juce::Graphics& g, juce::ToggleButton& button, bool isMouseOverButton,
                           bool isButtonDown) override;
    void fillTextEditorBackground (juce::Graphics& g, int width, int height, juce::TextEditor& editor) override;
    void drawTextEditorOutline (juce::Graphics& g, int width, int height, juce::TextEditor& editor) override;
    void drawPopupMenuBackground (juce::Graphics& g, int width, int height) override;
    void drawPopupMenuItem (juce::Graphics& g, const juce::Rectangle<int>& area, bool isSeparator, bool isActive,
                            bool isHighlighted, bool isTicked, bool hasSubMenu, const juce::String& text,
                            const juce::String& shortcutKeyText, const juce::Drawable* icon,
                            const juce::Colour* textColour) override;
    void drawMenuBarItem (juce::Graphics& g, int width, int height, int itemIndex, const juce::String& itemText,
                          bool isMouseOverItem, bool isMenuOpen, bool isMouseOverBar,
                          juce::MenuBarComponent& menuBar) override;
    void drawComboBox (juce::Graphics& g, int width, int height, bool isButtonDown, int buttonX, int buttonY,
                       int buttonW, int buttonH, juce::ComboBox& box) override;
    void drawLabel (juce::Graphics& g, juce::Label& label) override;
    void drawAlertBox (juce::Graphics& g, juce::AlertWindow& alert, const juce::Rectangle<int>& textArea,
                       juce::TextLayout& textLayout) override;

    /** Draws one line of text whole in the area: squeezed sideways down to
        minimumWholeTextScale, and in a smaller font where that is not enough. */
    static void drawWholeText (juce::Graphics& g, const juce::String& text, juce::Rectangle<int> area);

    static constexpr float minimumWholeTextScale = 0.75f;
    static constexpr float minimumWholeTextHeight = 9.0f;

    /** An alert's icon: a whole disc in the top-left corner, its text beside it. */
    static constexpr int alertIconSize = 48;
    static constexpr int alertIconSpace = 80;

    /** Kept clear between a combo box's text and its arrow. */
    static constexpr int comboArrowGap = 4;
};
