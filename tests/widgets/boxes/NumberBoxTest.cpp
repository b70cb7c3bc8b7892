#include "widgets/WidgetTestSupport.h"

#include "widgets/boxes/NumberBox.h"
#include "widgets/look/WidgetColours.h"

#include <gtest/gtest.h>

#include <tuple>

using WidgetTestSupport::typeInto;

namespace
{
struct RecordingListener : NumberBox::Listener
{
    RecordingListener (std::vector<juce::String>& logIn, juce::String nameIn) : log (logIn), name (std::move (nameIn))
    {
    }

    void numberBoxValueChanged (NumberBox* box) override
    {
        log.push_back (name + "=" + juce::String (box->getValue()));
    }

    std::vector<juce::String>& log;
    juce::String name;
};

struct NumberBoxTest : ::testing::Test
{
    void makeRange (double minimum, double maximum, double start)
    {
        box.setMinimum (minimum);
        box.setMaximum (maximum);
        box.setValue (start, false);
        box.setBounds (0, 0, 100, 18);
        box.addListener (&listener);
    }

    NumberBox box;
    WidgetTestSupport::OnDesktop desktop { box };
    std::vector<juce::String> log;
    RecordingListener listener { log, "L" };
};
} // namespace

TEST_F (NumberBoxTest, TakesTypedTextFromItsStartWithinTheInclusiveRange)
{
    // minimum, maximum, start, typed, expected; only digits and signs type.
    const std::tuple<double, double, double, const char*, double> cases[] = {
        { 0, 127, 64, "500", 64 }, { 0, 127, 64, "127", 127 },  { 1, 16, 5, "0", 5 },        { -12, 100, 3, "-", 0 },
        { -12, 100, 3, "+7", 7 },  { -12, 100, 3, "12-3", 12 }, { -12, 100, 3, "-12", -12 }, { -12, 100, 3, "4a.2", 42 }
    };

    for (const auto& [minimum, maximum, start, typed, expected] : cases)
    {
        SCOPED_TRACE (typed);
        log.clear();
        makeRange (minimum, maximum, start);
        typeInto (box, typed);
        EXPECT_EQ (box.getValue(), expected);
        EXPECT_FALSE (std::signbit (box.getValue()) && expected == 0);
        EXPECT_EQ (box.getText(), juce::String ((int) expected));
        EXPECT_EQ (log.size(), expected == start ? 0u : 1u);
    }

    EXPECT_EQ (NumberBox::parseTypedText ("+-5"), 0.0);
    EXPECT_GT (NumberBox::parseTypedText ("99999999999999999999"), 1e19);
}

TEST_F (NumberBoxTest, TypingReplacesTheShownValueAndEmptyTextOrEscapeKeepIt)
{
    makeRange (0, 127, 64);
    box.showEditor();
    auto* editor = box.getCurrentTextEditor();
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (editor->getHighlightedText(), "64");
    EXPECT_FALSE (editor->isMultiLine());
    EXPECT_TRUE (editor->hasKeyboardFocus (false));

    editor->clear();
    editor->keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
    WidgetTestSupport::flushMessages();
    EXPECT_EQ (box.getValue(), 64.0);
    EXPECT_EQ (box.getText(), "64");
    EXPECT_TRUE (log.empty());

    typeInto (box, "50", juce::KeyPress::escapeKey);
    EXPECT_EQ (box.getValue(), 64.0);
    EXPECT_EQ (box.getText(), "64");
    EXPECT_EQ (box.getCurrentTextEditor(), nullptr);
}

TEST_F (NumberBoxTest, NotifiesWhenAskedEvenIfUnchangedButNeverForAValueOutsideTheRange)
{
    makeRange (1, 8, 3);
    box.setValue (2, false);
    EXPECT_EQ (box.getText(), "2");
    EXPECT_TRUE (log.empty());

    box.setValue (2, true);
    box.setValue (2, true);
    box.setValue (0, true);
    EXPECT_EQ (log, (std::vector<juce::String> { "L=2", "L=2" }));

    log.clear();
    box.showValueOutsideRange (9);
    EXPECT_EQ (box.getValue(), 9.0);
    EXPECT_EQ (box.getText(), "9");
    EXPECT_TRUE (log.empty());

    // Confirming it unchanged writes nothing; an in-range entry is taken.
    typeInto (box, "9");
    EXPECT_TRUE (log.empty());
    typeInto (box, "8");
    EXPECT_EQ (log, (std::vector<juce::String> { "L=8" }));
}

TEST_F (NumberBoxTest, MarksARefusedValueBeforeTheStoredOneComesBack)
{
    makeRange (1, 16, 5);
    typeInto (box, "0");
    EXPECT_TRUE (box.isShowingRefusal());
    juce::Image image (juce::Image::ARGB, 100, 18, true);
    {
        juce::Graphics g (image);
        box.paintEntireComponent (g, false);
    }
    EXPECT_EQ (image.getPixelAt (90, 9), WidgetColours::refusal);

    juce::MessageManager::getInstance()->runDispatchLoopUntil (NumberBox::refusalMs + 300);
    EXPECT_FALSE (box.isShowingRefusal());
    EXPECT_EQ (box.getText(), "5");
    EXPECT_TRUE (log.empty());
}
