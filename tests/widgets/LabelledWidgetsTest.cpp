#include "WidgetTestSupport.h"

#include "widgets/ComboBoxWithLabel.h"
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

} // namespace

TEST (NumberBoxWithLabel, StartsAtItsMinimumSilentlyAndShowsEveryValueItIsGiven)
{
    CountingNumberListener listener;
    NumberBoxWithLabel widget (1, 16, "MIDI Channel", &listener);

    EXPECT_EQ (widget.getNumberBox().getValue(), 1.0);
    EXPECT_EQ (listener.calls, 0);

    widget.setValue (16);
    EXPECT_EQ (listener.calls, 1);

    // A value beyond the box's range is still shown, so the number is never stale.
    widget.setValue (17);
    EXPECT_EQ (widget.getNumberBox().getText(), "17");
    EXPECT_EQ (listener.calls, 1);
}

TEST (ComboBoxWithLabel, SelectsByValueAndNotifiesLater)
{
    WidgetTestSupport::RecordingComboListener listener;
    ComboBoxWithLabel widget ({ "Momentary", "Toggle" }, "Function", &listener);
    auto& combo = widget.getComboBox();

    EXPECT_EQ (combo.getSelectedId(), 1);
    EXPECT_TRUE (listener.ids.empty());
    flushMessages();
    EXPECT_EQ (listener.ids, (std::vector<int> { 1 }));

    widget.setValue (1);
    EXPECT_EQ (combo.getText(), "Toggle");
    flushMessages();
    EXPECT_EQ (listener.ids, (std::vector<int> { 1, 2 }));

    widget.setValue (5);
    EXPECT_EQ (combo.getSelectedId(), 0);
    EXPECT_EQ (combo.getText(), "");
}
