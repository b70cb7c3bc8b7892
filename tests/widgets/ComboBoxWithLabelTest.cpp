#include "WidgetTestSupport.h"

#include "widgets/ComboBoxWithLabel.h"

#include <gtest/gtest.h>

using WidgetTestSupport::flushMessages;

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
