#include "WidgetTestSupport.h"

#include "widgets/ComboBoxWithLabel.h"
#include "widgets/ControlToMidiTextButton.h"
#include "widgets/NumberBoxWithLabel.h"

#include <gtest/gtest.h>

using WidgetTestSupport::flushMessages;

namespace
{
struct CountingNumberListener : NumberBox::Listener
{
    void numberBoxValueChanged (NumberBox*) override { ++calls; }
    int calls = 0;
};

struct CountingComboListener : juce::ComboBox::Listener
{
    void comboBoxChanged (juce::ComboBox* box) override { ids.push_back (box->getSelectedId()); }
    std::vector<int> ids;
};
} // namespace

TEST (NumberBoxWithLabel, StartsAtItsMinimumWithoutCallingTheListener)
{
    CountingNumberListener listener;
    NumberBoxWithLabel widget (1, 16, "MIDI Channel", &listener);

    EXPECT_EQ (widget.getNumberBox().getValue(), 1.0);
    EXPECT_EQ (listener.calls, 0);
    EXPECT_EQ (widget.getNumberBox().getName(), "MIDI Channel");
    EXPECT_EQ (widget.getNumberBox().getBounds(), juce::Rectangle<int> (100, 0, 100, 18));
    EXPECT_EQ (widget.getCaption().getText(), "MIDI Channel");
    EXPECT_EQ (widget.getCaption().getBounds(), juce::Rectangle<int> (0, 0, 100, 16));
    EXPECT_EQ (widget.getCaption().findColour (juce::Label::textColourId), juce::Colours::white);
    EXPECT_EQ (widget.getCaption().getJustificationType().getFlags(), 33);
    EXPECT_EQ (widget.getCaption().getFont().getHeight(), 16.0f);
    EXPECT_EQ (widget.getNumberBox().findColour (juce::Label::textColourId), juce::Colour (0xFF117FC6));
    EXPECT_TRUE (widget.getNumberBox().isEditableOnSingleClick());
    EXPECT_FALSE (widget.getNumberBox().isEditableOnDoubleClick());

    widget.setValue (16);
    EXPECT_EQ (listener.calls, 1);

    // A value the box's range does not cover is still shown, so the number is never stale.
    widget.setValue (17);
    EXPECT_EQ (widget.getNumberBox().getText(), "17");
    EXPECT_EQ (listener.calls, 1);
}

TEST (ComboBoxWithLabel, SelectsByValueAndNotifiesLater)
{
    CountingComboListener listener;
    ComboBoxWithLabel widget ({ "Momentary", "Toggle" }, "Function", &listener);
    auto& combo = widget.getComboBox();

    EXPECT_EQ (combo.getSelectedId(), 1);
    EXPECT_EQ (combo.getName(), "Function");
    EXPECT_EQ (combo.getBounds(), juce::Rectangle<int> (100, 0, 100, 18));
    EXPECT_EQ (combo.findColour (juce::ComboBox::arrowColourId), juce::Colour (0xFF117FC6));
    EXPECT_TRUE (listener.ids.empty());

    flushMessages();
    EXPECT_EQ (listener.ids, (std::vector<int> { 1 }));

    widget.setValue (1);
    EXPECT_EQ (combo.getText(), "Toggle");
    EXPECT_EQ (listener.ids.size(), 1u);
    flushMessages();
    EXPECT_EQ (listener.ids, (std::vector<int> { 1, 2 }));

    widget.setValue (5);
    EXPECT_EQ (combo.getSelectedId(), 0);
    EXPECT_EQ (combo.getText(), "");
}

TEST (ControlToMidiTextButton, ClicksFlipBetweenOffAndOn)
{
    ControlToMidiTextButton widget ("Pitch Wheel Midi To DIN", nullptr);
    auto& button = widget.getButton();

    EXPECT_EQ (widget.getBounds(), juce::Rectangle<int> (0, 0, 100, 12));
    EXPECT_EQ (widget.getCaption().getText(), "MIDI to DIN");
    EXPECT_EQ (widget.getCaption().getFont().getHeight(), 12.0f);
    EXPECT_EQ (button.getName(), "Pitch Wheel Midi To DIN");
    EXPECT_EQ (button.getBounds(), juce::Rectangle<int> (62, 0, 20, 12));
    EXPECT_EQ (button.getButtonText(), "OFF");

    button.triggerClick();
    flushMessages();
    EXPECT_EQ (button.getButtonText(), "ON");
    EXPECT_TRUE (button.getToggleState());

    button.triggerClick();
    flushMessages();
    EXPECT_EQ (button.getButtonText(), "OFF");
    EXPECT_FALSE (button.getToggleState());

    widget.setValue (7);
    EXPECT_EQ (button.getButtonText(), "ON");
}
