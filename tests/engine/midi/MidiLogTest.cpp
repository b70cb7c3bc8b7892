#include "engine/MidiTestSupport.h"

#include "engine/midi/MidiLog.h"
#include "engine/simulator/SimulatedKeyboard.h"

#include <gtest/gtest.h>

#include <regex>

using namespace MidiTestSupport;

namespace
{
class MidiLogTest : public ::testing::Test
{
protected:
    ~MidiLogTest() override { file.deleteFile(); }

    juce::StringArray lines() const
    {
        juce::StringArray result;
        result.addLines (file.loadFileAsString());
        result.removeEmptyStrings();
        return result;
    }

    juce::File file =
        juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("midi-log", ".txt");
};

const std::regex lineFormat ("^[0-9]+\\.[0-9]{3} (OUT|IN)( [0-9A-F]{2})+$");
} // namespace

TEST_F (MidiLogTest, TheManagerLogsWhatItSendsAndReceivesInAFreshFile)
{
    file.replaceWithText (juce::String::repeatedString ("a longer line of an older run\n", 100)); // none of it may stay
    auto ports = std::make_shared<VirtualMidiPortLayer>();
    SimulatedKeyboard keyboard (*ports);
    RecordingListener listener;
    MidiManager manager (ports);
    auto log = std::make_shared<MidiLog> (file);
    ASSERT_TRUE (log->isOpen());

    manager.setLog (log);
    manager.addListener (&listener);
    manager.setInputDevice (SimulatedKeyboard::portName);
    EXPECT_FALSE (manager.sendMessage (noteOn (60))); // no output yet: nothing sent, nothing logged
    manager.setOutputDevice (SimulatedKeyboard::portName);
    manager.sendMessage (SysExMessages::toMidiMessage (SysExMessages::readRequest (0x40, 0, 16)));
    ASSERT_TRUE (waitUntil ([&] { return listener.count() == 1; }));
    manager.removeListener (&listener);

    log->flush();
    const auto written = lines();
    ASSERT_EQ (written.size(), 2);
    EXPECT_TRUE (written[0].endsWith (" OUT F0 00 7E 2A 00 40 65 00 03 00 00 10 F7")) << written[0];
    EXPECT_TRUE (written[1].contains (" IN F0 00 7E 2A 00 40 66 00 03 00 10 ")) << written[1];

    for (const auto& line : written)
        EXPECT_TRUE (std::regex_match (line.toStdString(), lineFormat)) << line;

    const juce::uint8 note[] = { 0x90, 0x3C, 0x7F };
    EXPECT_EQ (MidiLog::formatLine (12.0421, MidiLog::Direction::in, note, 3), "12.042 IN 90 3C 7F");
}
