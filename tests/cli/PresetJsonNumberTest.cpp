// Inputs found by fuzzing the JSON reader. Numbers too long for 64 bits: the parser underneath
// wraps them around, so one could read as a small, valid byte.
#include "cli/PresetJson.h"
#include "model/ModelConstants.h"

#include <gtest/gtest.h>

TEST (PresetJsonNumberTest, NumbersBeyondAnyByteAreRefusedNotWrappedAround)
{
    const auto constants = ModelConstants::qx61();
    PresetModel model { constants.getLayout(), constants.getHighestSplitPoint(), constants.maxKeybedOctave };
    const auto message = ModelConstants::qx61DefaultPreset();
    model.applyData ({ message.getRawDataPointer() + PresetLayout::messageDataStart,
                       constants.getLayout().dataLength() });
    const auto text = juce::String (PresetJson::write (model));
    ASSERT_TRUE (text.contains ("\"Keybed Transpose\": 12"));

    // 2^64 + 12, which wraps around to 12, and a run of nines longer than any integer.
    for (const auto* number : { "18446744073709551628", "99999999999999999999999999999999999999", "-18446744073709551604" })
    {
        Control::Bytes data;
        const auto result = PresetJson::read (text.replace ("\"Keybed Transpose\": 12",
                                                            "\"Keybed Transpose\": " + juce::String (number))
                                                  .toStdString(),
                                              model, data);
        EXPECT_TRUE (result.failed()) << number;
        EXPECT_TRUE (result.getErrorMessage().contains ("number too long")) << result.getErrorMessage();
    }

    // Long runs of digits inside strings, escaped quotes included, are text.
    Control::Bytes data;
    const auto withText = text.replace ("\"Keybed Transpose\": 12", "\"Keybed Transpose\": 12, \"note\": "
                                        "\"1234567890123456789012 \\\" 1234567890123456789012\"");
    EXPECT_FALSE (PresetJson::read (withText.toStdString(), model, data).getErrorMessage().contains ("number too long"));
}

TEST (PresetJsonNumberTest, TextThatIsNotUtf8IsRefusedWithoutReadingPastItsEnd)
{
    const auto constants = ModelConstants::qx61();
    PresetModel model { constants.getLayout(), constants.getHighestSplitPoint(), constants.maxKeybedOctave };

    // A text stopping inside a sequence, and lone continuation bytes the parser would read as "2"s.
    const std::string brokenEnd = "{\"nameo\x8e\xce\xce\xce\xce\xce";
    const std::string strayBytes = "{\"a\": 1" + std::string (30, '\xb2') + "}";

    for (const auto& bytes : { brokenEnd, strayBytes })
    {
        Control::Bytes data;
        const auto result = PresetJson::read (bytes, model, data);
        EXPECT_TRUE (result.getErrorMessage().startsWith ("malformed JSON at 1:")) << result.getErrorMessage();
    }
}
