// Reads arbitrary text as a preset in JSON; whatever it accepts must survive a write and a read.
#include "FuzzSupport.h"
#include "cli/PresetJson.h"

using namespace FuzzSupport;

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    static const QX61 qx61;
    static PresetModel model (qx61.model.getLayout(), qx61.highestSplitPoint, qx61.model.maxKeybedOctave);

    const auto text = juce::String::fromUTF8 (reinterpret_cast<const char*> (data), static_cast<int> (size));
    Control::Bytes presetData;

    if (PresetJson::read (text, model, presetData).failed())
        return 0;

    check (presetData.size() == model.getLayout().dataLength(), "accepted data has the data length");

    model.applyData (presetData);
    Control::Bytes again;
    check (PresetJson::read (PresetJson::write (model), model, again).wasOk(), "written JSON reads back");
    check (again == presetData, "written JSON reads back as the same bytes");
    return 0;
}
