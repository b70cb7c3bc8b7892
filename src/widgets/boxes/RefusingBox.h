#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** A field edited by typing that refuses what it cannot take: the refused text shows in the
    refusal colours for a moment before the stored value comes back. The field is outlined while
    it, or its open editor, has the keyboard focus. */
class RefusingBox : public juce::Label, private juce::Timer
{
public:
    explicit RefusingBox (const juce::String& name);

    /** How long a refused value stays marked. */
    static constexpr int refusalMs = 700;

    /** Whether a refused value is being shown, just before the stored value comes back. */
    bool isShowingRefusal() const { return refusedText.isNotEmpty(); }

    /** Ends an edit in progress exactly as leaving the box does. Nothing happens when the box is
        not being edited. */
    void commitEdit();

    void paintOverChildren (juce::Graphics& g) override;
    void focusGained (FocusChangeType cause) override;
    void focusLost (FocusChangeType cause) override;

protected:
    /** Marks the typed text as refused until the timer brings the stored value back. */
    void showRefusal (const juce::String& typed);
    void clearRefusal();

    /** Fills the box and sets the text colour for what it shows now; returns that text. */
    juce::String fillAndChooseText (juce::Graphics& g, const juce::String& stored);

private:
    void timerCallback() override;

    juce::String refusedText;

    JUCE_DECLARE_NON_COPYABLE (RefusingBox)
};
