#include "cli/PresetJson.h"
#include "model/ModelConstants.h"

#include <gtest/gtest.h>

namespace
{
class PresetJsonTest : public ::testing::Test
{
protected:
    ModelConstants constants = ModelConstants::qx61();
    PresetModel model { constants.getLayout(), constants.getHighestSplitPoint(), constants.maxKeybedOctave };

    static Control::Bytes defaultData()
    {
        return { ModelConstants::qx61DefaultPreset().getRawDataPointer() + PresetLayout::messageDataStart, 465 };
    }

    juce::String dumpOf (const Control::Bytes& data)
    {
        model.applyData (data);
        return PresetJson::write (model);
    }

    juce::Result readBack (const juce::String& text, Control::Bytes& data)
    {
        return PresetJson::read (text.toStdString(), model, data);
    }

    juce::String errorFor (const juce::String& text)
    {
        Control::Bytes data;
        const auto result = readBack (text, data);
        EXPECT_TRUE (result.failed()) << text;
        return result.getErrorMessage();
    }

    // The default dump with one textual replacement.
    juce::String defaultDumpWith (const juce::String& from, const juce::String& to)
    {
        const auto text = dumpOf (defaultData());
        EXPECT_TRUE (text.contains (from)) << from;
        return text.replaceFirstOccurrenceOf (from, to);
    }
};
} // namespace

TEST_F (PresetJsonTest, BytesAreNamedAsTheModeShowsThemAndReadBack)
{
    const std::tuple<int, juce::uint8, juce::StringArray> cases[] {
        // group, mode, names of bytes 1 to 3
        { ControlGroup::padGroup, 0, { "Note", "Fixed", "Curve" } },
        { ControlGroup::padGroup, 1, { "CC", "Toggle On", "Toggle Off" } },
        { ControlGroup::padGroup, 2, { "CC", "Pressed", "Released" } },
        { ControlGroup::padGroup, 3, { "Program", "Bank LSB", "Bank MSB" } },
        { ControlGroup::switchGroup, 0, { "CC", "Toggle On", "Toggle Off" } },
        { ControlGroup::switchGroup, 2, { "Program", "Bank LSB", "Bank MSB" } },
        { ControlGroup::switchGroup, 3, { "CC", "Toggle On", "Toggle Off" } }, // not a mode the editor shows
        { ControlGroup::knobGroup, 1, { "CC", "Min", "Max" } },
    };

    for (const auto& [groupId, mode, names] : cases)
    {
        model.applyData (defaultData());
        auto* control = model.getControl (groupId, 5);
        control->setBytes ({ mode, 7, 7, 7, 0 });
        const auto text = juce::String (PresetJson::write (model));
        const auto entry = juce::JSON::parse (text)[groupId == ControlGroup::padGroup    ? "pads"
                                                    : groupId == ControlGroup::knobGroup ? "knobs"
                                                                                         : "switches"][5];
        const auto& properties = entry.getDynamicObject()->getProperties();

        for (int i = 0; i < 3; ++i)
            EXPECT_EQ (properties.getName (i + 1).toString(), names[i]) << groupId << " " << int (mode);

        Control::Bytes data;
        ASSERT_TRUE (readBack (text, data).wasOk());
        EXPECT_EQ (data, model.collectData());
    }
}

TEST_F (PresetJsonTest, TheDefaultAndVariedPresetsRoundTrip)
{
    const auto text = dumpOf (defaultData());
    EXPECT_EQ (juce::JSON::parse (text)["name"].toString(), "0000000000000000");
    EXPECT_EQ (static_cast<int> (juce::JSON::parse (text)["transport"][5]["CC"]), 114);

    Control::Bytes data;
    ASSERT_TRUE (readBack (text, data).wasOk());
    EXPECT_EQ (data, defaultData());

    juce::Random random (42);

    for (int round = 0; round < 20; ++round)
    {
        // Random values within every byte's range, through the controls' own checks.
        model.forEachControl ([&] (int, Control& control) {
            for (const auto& name : control.getParameterNames())
                control.setParameter (name, static_cast<juce::uint8> (random.nextInt (control.getMaximum (name) + 1)),
                                      false);
        });

        const auto expected = model.collectData();
        Control::Bytes readData;
        ASSERT_TRUE (readBack (PresetJson::write (model), readData).wasOk());
        EXPECT_EQ (readData, expected);
    }
}

TEST_F (PresetJsonTest, AnyNameOfAByteIsAcceptedAndAShortNameIsPadded)
{
    const auto text = defaultDumpWith ("\"Note\": 48", "\"Program\": 5")
                          .replaceFirstOccurrenceOf ("\"0000000000000000\"", "\"Live\"");

    Control::Bytes data;
    ASSERT_TRUE (readBack (text, data).wasOk());
    EXPECT_EQ (data[model.getLayout().padOffset (0) + 1], 5);
    EXPECT_EQ (juce::String::fromUTF8 (reinterpret_cast<const char*> (data.getRawDataPointer()), 16),
               "Live            ");

    // A byte takes the range of the name it is given under.
    ASSERT_TRUE (readBack (defaultDumpWith ("\"Curve\": 0", "\"Toggle Off\": 100"), data).wasOk());
    EXPECT_EQ (data[model.getLayout().padOffset (0) + 3], 100);
}

TEST_F (PresetJsonTest, RefusalsNameThePlace)
{
    const auto dump = dumpOf (defaultData());
    const auto lines = juce::StringArray::fromLines (dump);
    const auto lineOf = [&] (const juce::String& text) { return juce::String (lines.indexOf (text) + 1); };

    const std::pair<juce::String, juce::String> cases[] {
        { "{ \"name\": ", "malformed JSON at 1:10: syntax error while parsing value - unexpected end of input; "
                          "expected '[', '{', or a literal" },
        { "{\"a\": tru}", "malformed JSON at 1:10: syntax error while parsing value - invalid literal; last read: "
                          "'\"a\": tru}'" },
        { dump + "{}", "malformed JSON at " + juce::String (lines.size())
                           + ":1: syntax error while parsing value - "
                             "unexpected '{'; expected end of input" },
        { dump.replaceFirstOccurrenceOf ("\"Gate\": 49", "\"Gate\": 49, \"Gate\": 49"),
          "malformed JSON at " + lineOf ("    \"Gate\": 49,") + ":22: \"Gate\" is given twice in one object" },
        { juce::String::repeatedString ("[", 65), "malformed JSON at 1:65: nested deeper than 64 levels" },
        { "[]", "the top level must be an object" },
        { dump.replaceFirstOccurrenceOf ("\"rollMode\"", "\"rollmode\""), "unknown block \"rollmode\"" },
        { dump.replaceFirstOccurrenceOf ("\"Gate\": 49", "\"Gat\": 49"), "\"rollMode\".\"Gat\": unknown name" },
        { dump.replaceFirstOccurrenceOf ("\"Gate\": 49", "\"Gate\": 99"),
          "\"rollMode\".\"Gate\": 99 is outside 0..98" },
        { dump.replaceFirstOccurrenceOf ("\"Gate\": 49", "\"Gate\": 4.5"),
          "\"rollMode\".\"Gate\": must be a whole number" },
        { dump.replaceFirstOccurrenceOf ("\"Curve\": 0", "\"Curve\": 8"), "\"pads\"[0].\"Curve\": 8 is outside 0..7" },
        { dump.replaceFirstOccurrenceOf ("\"Note\": 48", "\"CC\": 48, \"Note\": 48"),
          "\"pads\"[0].\"Note\": byte 1 is already given as \"Note\" or another of its names" },
        { dump.replaceFirstOccurrenceOf ("\"Mode\": 0,", ""), "\"knobs\"[0]: missing \"Mode\"" },
        { dump.replaceFirstOccurrenceOf ("\"0000000000000000\"", "\"00000000000000000\""),
          "\"name\" is longer than 16 characters" },
        { dump.replaceFirstOccurrenceOf ("\"0000000000000000\"", "\"AB\\u0000CD\""),
          "\"name\" character 3 is not printable ASCII" },
        { dump.replaceFirstOccurrenceOf ("\"Gate\"", "\"Gate\\u0000x\""),
          "\"rollMode\".\"Gate\\u0000x\": unknown name" },
        { "{\"a\": 1e99999}", "malformed JSON at 1:13: number overflow parsing '1e99999'" },
    };

    for (const auto& [text, error] : cases)
        EXPECT_EQ (errorFor (text), error);

    auto root = juce::JSON::parse (dump);
    root.getDynamicObject()->removeProperty ("wheels");
    EXPECT_EQ (errorFor (juce::JSON::toString (root)), "missing block \"wheels\"");

    root = juce::JSON::parse (dump);
    root.getDynamicObject()->getProperty ("knobs").getArray()->remove (3);
    EXPECT_EQ (errorFor (juce::JSON::toString (root)), "\"knobs\" must hold 16 entries, not 15");
}

// Inputs found by fuzzing the reader. Numbers too long for 64 bits: the parser underneath wraps them
// around, so one could read as a small, valid byte.
TEST_F (PresetJsonTest, NumbersBeyondAnyByteAreRefusedNotWrappedAround)
{
    const juce::String transpose ("\"Keybed Transpose\": ");

    // 2^64 + 12, which wraps around to 12, and a run of nines longer than any integer.
    for (const auto* number :
         { "18446744073709551628", "99999999999999999999999999999999999999", "-18446744073709551604" })
        EXPECT_TRUE (errorFor (defaultDumpWith (transpose + "12", transpose + number)).contains ("number too long"))
            << number;

    // Long runs of digits inside strings, escaped quotes included, are text.
    Control::Bytes data;
    const auto withText =
        defaultDumpWith (transpose + "12", transpose
                                               + "12, \"note\": "
                                                 "\"1234567890123456789012 \\\" 1234567890123456789012\"");
    EXPECT_FALSE (readBack (withText, data).getErrorMessage().contains ("number too long"));
}

TEST_F (PresetJsonTest, TextThatIsNotUtf8IsRefusedWithoutReadingPastItsEnd)
{
    // A text stopping inside a sequence, and lone continuation bytes the parser would read as "2"s.
    const std::string brokenEnd = "{\"nameo\x8e\xce\xce\xce\xce\xce";
    const std::string strayBytes = "{\"a\": 1" + std::string (30, '\xb2') + "}";

    for (const auto& bytes : { brokenEnd, strayBytes })
    {
        Control::Bytes data;
        const auto error = PresetJson::read (bytes, model, data).getErrorMessage();
        EXPECT_TRUE (error.startsWith ("malformed JSON at 1:")) << error;
    }
}
