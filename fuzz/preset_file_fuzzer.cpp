// Loads arbitrary bytes as a preset file, straight and through an engine.
#include "FuzzSupport.h"
#include "engine/files/PresetFile.h"
#include "engine/midi/virtual/VirtualMidiPortLayer.h"

using namespace FuzzSupport;

namespace
{
struct State
{
    State() { initialiseMessageManager(); }

    QX61 qx61;
    KeyboardLink link { std::make_shared<VirtualMidiPortLayer>() };
    QXEditorEngine::Ptr engine = qx61.makeEngine (link);
    juce::TemporaryFile file { ".qx6" };
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    static State state;
    const auto& file = state.file.getFile();
    check (file.replaceWithData (data, size), "the temporary file was written");

    const auto presetLength = state.engine->getPresetLength();
    const auto loaded = PresetFile (file).load (presetLength);
    check (loaded.has_value() == (static_cast<int> (size) == presetLength), "only the preset length loads");

    const auto before = state.engine->getModel().collectData();
    const auto applied = state.engine->loadPresetFile (file);
    check (applied == loaded.has_value(), "the engine loads what the file loads");

    if (! applied)
        check (state.engine->getModel().collectData() == before, "a refused file leaves the model alone");
    else
        check (state.engine->buildPresetMessage (0).size() == presetLength, "a loaded preset builds a whole message");

    return 0;
}
