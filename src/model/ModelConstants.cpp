#include "model/ModelConstants.h"

#include <QXResources.h>

ModelConstants ModelConstants::qx61()
{
    return { 0x40, 16, 16, 48, 61, 10, "*.qx6" };
}

juce::Array<juce::uint8> ModelConstants::qx61DefaultPreset()
{
    const auto* data = reinterpret_cast<const juce::uint8*> (QXResources::QX61DefaultPreset_qx6);
    return { data, QXResources::QX61DefaultPreset_qx6Size };
}
