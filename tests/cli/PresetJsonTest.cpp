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

    Control::Bytes defaultData() const
    {
        const auto message = ModelConstants::qx61DefaultPreset();
        return { message.getRawDataPointer() + 10, 465 };
    }

    juce::String dumpOf (const Control::Bytes& data)
    {
        model.applyData (data);
        return PresetJson::write (model);
    }

    juce::String errorFor (const juce::String& text)
    {
        Control::Bytes data;
        const auto result = PresetJson::read (text, model, data);
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

TEST_F (PresetJsonTest, DumpNamesEveryByteAndReadsBackIdentically)
{
    const auto text = dumpOf (defaultData());
    const auto root = juce::JSON::parse (text);

    EXPECT_EQ (root["name"].toString(), "0000000000000000");
    EXPECT_EQ (static_cast<int> (root["transport"][5]["CC"]), 114);
    EXPECT_EQ (root["pads"][0].getDynamicObject()->getProperties().getName (3).toString(), "Curve");

    Control::Bytes data;
    ASSERT_TRUE (PresetJson::read (text, model, data).wasOk());
    EXPECT_EQ (data, defaultData());
}

TEST_F (PresetJsonTest, VariedPresetsRoundTrip)
{
    juce::Random random (42);

    for (int round = 0; round < 20; ++round)
    {
        // Random values within every byte's range, through the controls' own checks.
        model.forEachControl ([&] (int, Control& control) {
            for (const auto& name : control.getParameterNames())
                control.setParameter (name, static_cast<juce::uint8> (random.nextInt (control.getMaximum (name) + 1)), false);
        });
        const auto expected = model.collectData();

        Control::Bytes data;
        ASSERT_TRUE (PresetJson::read (PresetJson::write (model), model, data).wasOk());
        EXPECT_EQ (data, expected);
    }
}

TEST_F (PresetJsonTest, AnyNameOfAByteIsAcceptedAndAShortNameIsPadded)
{
    auto text = defaultDumpWith ("\"Note\": 48", "\"Program\": 5");
    text = text.replaceFirstOccurrenceOf ("\"0000000000000000\"", "\"Live\"");

    Control::Bytes data;
    ASSERT_TRUE (PresetJson::read (text, model, data).wasOk());
    EXPECT_EQ (data[model.getLayout().padOffset (0) + 1], 5);
    EXPECT_EQ (juce::String::fromUTF8 (reinterpret_cast<const char*> (data.getRawDataPointer()), 16), "Live            ");
}

TEST_F (PresetJsonTest, RefusalsNameThePlace)
{
    EXPECT_TRUE (errorFor ("{ \"name\": ").startsWith ("malformed JSON at 1:"));
    EXPECT_EQ (errorFor ("[]"), "the top level must be an object");
    EXPECT_EQ (errorFor (defaultDumpWith ("\"rollMode\"", "\"rollmode\"")), "unknown block \"rollmode\"");
    EXPECT_EQ (errorFor (defaultDumpWith ("\"Gate\": 49", "\"Gat\": 49")), "\"rollMode\".\"Gat\": unknown name");
    EXPECT_EQ (errorFor (defaultDumpWith ("\"Gate\": 49", "\"Gate\": 99")), "\"rollMode\".\"Gate\": 99 is outside 0..98");
    EXPECT_EQ (errorFor (defaultDumpWith ("\"Gate\": 49", "\"Gate\": 4.5")), "\"rollMode\".\"Gate\": must be a whole number");
    EXPECT_EQ (errorFor (defaultDumpWith ("\"Note\": 48", "\"CC\": 48, \"Note\": 48")),
               "\"pads\"[0].\"Note\": byte 1 is already given as \"Note\" or another of its names");
    EXPECT_EQ (errorFor (defaultDumpWith ("\"Mode\": 0,", "")), "\"knobs\"[0]: missing \"Mode\"");
    EXPECT_EQ (errorFor (defaultDumpWith ("\"0000000000000000\"", "\"00000000000000000\"")),
               "\"name\" is longer than 16 characters");

    const auto withoutWheels = [&] {
        auto root = juce::JSON::parse (dumpOf (defaultData()));
        root.getDynamicObject()->removeProperty ("wheels");
        return juce::JSON::toString (root);
    }();
    EXPECT_EQ (errorFor (withoutWheels), "missing block \"wheels\"");

    auto shortKnobs = juce::JSON::parse (dumpOf (defaultData()));
    shortKnobs.getDynamicObject()->getProperty ("knobs").getArray()->remove (3);
    EXPECT_EQ (errorFor (juce::JSON::toString (shortKnobs)), "\"knobs\" must hold 16 entries, not 15");
}
