#pragma once

#include "model/ListenerArray.h"
#include "widgets/boxes/RefusingBox.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

/** A numeric field changed only by typing: it paints its value and becomes a one-line editor
    when clicked. Typed values outside the inclusive range are refused silently. */
class NumberBox : public RefusingBox
{
public:
    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void numberBoxValueChanged (NumberBox* numberBox) = 0;
    };

    /** Given to the text editor while it is open: white background, no outline. */
    class LookAndFeel : public juce::LookAndFeel_V3
    {
    public:
        void fillTextEditorBackground (juce::Graphics& g, int width, int height, juce::TextEditor& editor) override;
        void drawTextEditorOutline (juce::Graphics& g, int width, int height, juce::TextEditor& editor) override;
    };

    NumberBox();
    ~NumberBox() override;

    void setMinimum (double newMinimum) { minimum = newMinimum; }
    void setMaximum (double newMaximum) { maximum = newMaximum; }
    double getMinimum() const { return minimum; }
    double getMaximum() const { return maximum; }
    double getValue() const { return value; }

    /** Names the shown value in the tooltip after the range, e.g. "0–127 (36 · C1)"; the
        namer gives an empty text for a value without a name. */
    void setValueNamer (std::function<juce::String (int)> namer) { valueNamer = std::move (namer); }
    juce::String getTooltip() override;

    bool isInRange (double candidate) const { return minimum <= candidate && candidate <= maximum; }

    /** Takes a value inside the range (and tells the listeners when asked, even if it did not
        change); a value outside it is refused and the current value shown again. */
    void setValue (double newValue, bool notify);

    /** Shows a value that a preset holds although it lies outside the range, so the box never
        keeps a stale number. Nothing is notified, since there is nothing to write back; typing
        still accepts only values inside the range. */
    void showValueOutsideRange (double heldValue);

    void addListener (Listener* listener) { listeners.add (listener); }
    void removeListener (Listener* listener) { listeners.remove (listener); }

    /** The value read from typed text: an optional sign, then the digits up to the first other
        character; text without leading digits reads as 0. */
    static double parseTypedText (const juce::String& text);

    /** The text shown for a value; zero never carries a sign. */
    static juce::String valueToText (double v);

    void paint (juce::Graphics& g) override;

protected:
    void editorShown (juce::TextEditor* editor) override;
    void editorAboutToBeHidden (juce::TextEditor* editor) override;

private:
    std::function<juce::String (int)> valueNamer;
    void storeAndShow (double newValue);

    // Made when the editor first opens: a look per box would cost every editor window ~1000 of them.
    std::unique_ptr<LookAndFeel> editorLook;
    ListenerArray<Listener> listeners;
    double minimum = 0.0;
    double maximum = 0.0;
    double value = 0.0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (NumberBox)
};
