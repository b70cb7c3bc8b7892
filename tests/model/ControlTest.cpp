#include "model/QXKnob.h"
#include "model/QXPad.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace
{
struct RecordingListener : Control::Listener
{
    std::vector<std::pair<juce::String, int>> reports;

    void parameterChanged (const juce::String& name, juce::uint8 value) override
    {
        reports.emplace_back (name, value);
    }
};
} // namespace

TEST (Control, SetParameterStoresOnlyListedInRangeValuesAndReportsWhenAsked)
{
    QXKnob knob (0);
    RecordingListener listener;
    knob.addListener (&listener);

    for (const auto& name : knob.getParameterNames())
        EXPECT_EQ (knob.getParameter (name), 0) << name;

    knob.setParameter ("MIDI Channel", 15, false);
    EXPECT_EQ (knob.getParameter ("MIDI Channel"), 15);
    EXPECT_TRUE (listener.reports.empty());

    // Out of range or unlisted: dropped, but still reported so a widget can put its value back.
    knob.setParameter ("MIDI Channel", 16, true);
    knob.setParameter ("Program", 3, true);
    EXPECT_EQ (knob.getParameter ("MIDI Channel"), 15);
    EXPECT_EQ (knob.getParameter ("Program"), 0);
    EXPECT_EQ (knob.getBytes(), (Control::Bytes { 0, 0, 0, 0, 15 }));
    EXPECT_EQ (listener.reports, (std::vector<std::pair<juce::String, int>> { { "MIDI Channel", 16 }, { "Program", 3 } }));
}

TEST (Control, SetBytesReportsEveryNameIncludingSharedBytesAndKeepsOutOfRangeBytes)
{
    QXPad pad (0);
    RecordingListener listener;
    pad.addListener (&listener);

    pad.setBytes ({ 9, 60, 2, 100, 200 });

    // Kept as copied, even beyond each name's maximum.
    EXPECT_EQ (pad.getBytes(), (Control::Bytes { 9, 60, 2, 100, 200 }));
    ASSERT_EQ (listener.reports.size(), static_cast<size_t> (pad.getParameterNames().size()));

    for (size_t i = 0; i < listener.reports.size(); ++i)
    {
        const auto& name = pad.getParameterNames()[static_cast<int> (i)];
        EXPECT_EQ (listener.reports[i].first, name);
        EXPECT_EQ (listener.reports[i].second, pad.getBytes()[pad.getParameterIndex (name)]) << name;
    }
}

TEST (Control, ApplyImageReadsItsBlockAndZeroFillsBeyondTheData)
{
    QXKnob knob (3);
    knob.applyImage ({ 0, 0, 0, 11, 12, 13 });
    EXPECT_EQ (knob.getBytes(), (Control::Bytes { 11, 12, 13, 0, 0 }));

    knob.applyImage ({});
    EXPECT_EQ (knob.getBytes(), (Control::Bytes { 0, 0, 0, 0, 0 }));
}
