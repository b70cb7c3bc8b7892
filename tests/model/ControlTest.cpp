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

TEST (Control, NewControlReadsZeroForEveryName)
{
    QXPad pad (0);
    for (const auto& name : pad.getParameterNames())
        EXPECT_EQ (pad.getParameter (name), 0) << name;
    EXPECT_EQ (pad.getBytes().size(), 5);
}

TEST (Control, OutOfRangeValueIsDroppedButStillReported)
{
    QXKnob knob (0);
    RecordingListener listener;
    knob.addListener (&listener);

    knob.setParameter ("MIDI Channel", 3, false);
    knob.setParameter ("MIDI Channel", 16, true);

    EXPECT_EQ (knob.getParameter ("MIDI Channel"), 3);
    ASSERT_EQ (listener.reports.size(), 1u);
    EXPECT_EQ (listener.reports[0], std::make_pair (juce::String ("MIDI Channel"), 16));
}

TEST (Control, NotifyOffStoresAndTellsNobody)
{
    QXKnob knob (0);
    RecordingListener listener;
    knob.addListener (&listener);

    knob.setParameter ("MIDI Channel", 15, false);

    EXPECT_EQ (knob.getParameter ("MIDI Channel"), 15);
    EXPECT_TRUE (listener.reports.empty());
}

TEST (Control, UnlistedNameReadsZeroWritesNothingAndStillReports)
{
    QXKnob knob (0);
    RecordingListener listener;
    knob.addListener (&listener);
    knob.setBytes ({ 1, 2, 3, 4, 5 });
    listener.reports.clear();

    knob.setParameter ("Program", 0, true);

    EXPECT_EQ (knob.getParameter ("Program"), 0);
    EXPECT_EQ (knob.getMaximum ("Program"), 0);
    EXPECT_EQ (knob.getBytes(), (Control::Bytes { 1, 2, 3, 4, 5 }));
    EXPECT_EQ (listener.reports.size(), 1u);
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

TEST (Control, ListenerAddedTwiceHearsOnceAndRemovedHearsNothing)
{
    QXKnob knob (0);
    RecordingListener listener;
    knob.addListener (&listener);
    knob.addListener (&listener);
    knob.addListener (nullptr);

    knob.setParameter ("CC", 7, true);
    EXPECT_EQ (listener.reports.size(), 1u);

    knob.removeListener (&listener);
    knob.setParameter ("CC", 8, true);
    EXPECT_EQ (listener.reports.size(), 1u);
}

TEST (Control, ListenerThatRemovesItselfDuringAReportDoesNotDisturbTheOthers)
{
    struct SelfRemover : RecordingListener
    {
        Control* control = nullptr;
        void parameterChanged (const juce::String& name, juce::uint8 value) override
        {
            RecordingListener::parameterChanged (name, value);
            control->removeListener (this);
        }
    };

    QXKnob knob (0);
    RecordingListener first, last;
    SelfRemover middle;
    middle.control = &knob;
    knob.addListener (&first);
    knob.addListener (&middle);
    knob.addListener (&last);

    knob.setBytes ({ 0, 1, 2, 3, 4 });

    EXPECT_EQ (first.reports.size(), 5u);
    EXPECT_EQ (last.reports.size(), 5u);
    EXPECT_EQ (middle.reports.size(), 1u);
}
