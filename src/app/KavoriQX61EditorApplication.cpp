#include "app/KavoriQX61EditorApplication.h"

namespace
{
const ModelConstants qx61 = ModelConstants::qx61();
}

KavoriQX61EditorApplication::KavoriQX61EditorApplication()
    : KavoriQXEditorApplication (qx61.modelId, qx61.numKnobs, qx61.numPads, qx61.numSwitches, qx61.numKeys,
                                 qx61.maxKeybedOctave, qx61.presetFilePattern)
{
}
