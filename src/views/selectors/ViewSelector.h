#pragma once

#include "model/ListenerArray.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <utility>

/** A set of picture buttons each tied to a view number; a click asks the listeners to show that
    view, and the selected view's buttons stay pressed. */
class ViewSelector : public juce::Button::Listener, public juce::Component
{
public:
    class Listener
    {
    public:
        virtual void viewSelected (int viewNumber) = 0;
        virtual ~Listener() = default;
    };

    ViewSelector() = default;
    ~ViewSelector() override;

    void buttonClicked (juce::Button* button) override;
    void buttonStateChanged (juce::Button*) override {}

    /** Presses the buttons of that view and releases all others, without notification. */
    virtual void setSelectedView (int viewNumber);

    /** Takes ownership of the button and ties it to the view; the subclass places it. */
    virtual void addSelectorButton (int viewNumber, juce::Button* button);

    void addListener (Listener* listener);

    /** Told which control of a section was clicked, where the selector shows single controls. */
    std::function<void (int groupId, int index)> onControlClicked;

    /** The button tied to that view, or nullptr. */
    juce::Button* getButtonForView (int viewNumber) const;

    const juce::OwnedArray<juce::Button>& getButtons() const { return buttons; }

private:
    juce::OwnedArray<juce::Button> buttons;
    juce::Array<std::pair<int, juce::Button*>> entries;
    ListenerArray<Listener> listeners;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ViewSelector)
};
