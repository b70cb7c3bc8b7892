// Reads arbitrary text as a preset in JSON; whatever it accepts must survive a write and a read
// when every byte lies in the range of the name the dump gives it.
#include "FuzzSupport.h"
#include "cli/PresetJson.h"

using namespace FuzzSupport;

namespace
{
bool inShownRanges (const PresetModel& model)
{
    bool inRange = true;
    model.forEachControl ([&] (int, const Control& control) {
        const auto bytes = control.getBytes();
        for (int i = 0; i < bytes.size(); ++i)
            inRange = inRange && bytes[i] <= control.getMaximum (control.getShownByteName (i));
    });
    return inRange;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    static const QX61 qx61;
    static PresetModel model (qx61.model.getLayout(), qx61.highestSplitPoint, qx61.model.maxKeybedOctave);

    const std::string text (reinterpret_cast<const char*> (data), size);
    Control::Bytes presetData;

    if (PresetJson::read (text, model, presetData).failed())
        return 0;

    check (presetData.size() == model.getLayout().dataLength(), "accepted data has the data length");

    model.applyData (presetData);

    if (! inShownRanges (model))
        return 0;

    Control::Bytes again;
    check (PresetJson::read (PresetJson::write (model), model, again).wasOk(), "written JSON reads back");
    check (again == presetData, "written JSON reads back as the same bytes");
    return 0;
}
