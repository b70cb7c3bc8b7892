// Builds one editor's content off screen with the default preset applied and writes a PNG of
// each of its nine views, so the layout can be looked at without opening a window.
// Usage: qx_view_snapshots <folder>

#include "engine/QXEditorEngine.h"
#include "model/ModelConstants.h"
#include "views/EditorComponent.h"
#include "views/selectors/Q61ProductProductImageViewSelector.h"
#include "views/selectors/TabSelectorButtons.h"

#include <iostream>

namespace
{
const char* const viewFileNames[] = { "0-main",      "1-knobs",  "2-switches", "3-pads",   "4-roll-mode",
                                      "5-transport", "6-keybed", "7-wheels",   "8-sustain" };

// Combo boxes report their selections asynchronously; let them arrive before drawing.
void deliverPendingMessages()
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (200);
}

bool writeSnapshots (const juce::File& folder)
{
    const auto constants = ModelConstants::qx61();
    KeyboardLink keyboard;
    QXEditorEngine::Ptr engine (new QXEditorEngine (constants.modelId, keyboard, constants.presetFilePattern,
                                                    constants.getHighestSplitPoint(), constants.maxKeybedOctave,
                                                    constants.numKnobs, constants.numPads, constants.numSwitches));

    EditorComponent editor (std::make_unique<TabSelectorButtons>(),
                            std::make_unique<Q61ProductProductImageViewSelector>(), engine, constants.numKnobs,
                            constants.numPads, constants.numSwitches);
    engine->applyPreset (ModelConstants::qx61DefaultPreset());
    deliverPendingMessages();

    for (int view = 0; view < EditorComponent::numViews; ++view)
    {
        editor.viewSelected (view);
        deliverPendingMessages();

        const auto file = folder.getChildFile (juce::String (viewFileNames[view]) + ".png");
        file.deleteFile();
        juce::FileOutputStream stream (file);
        juce::PNGImageFormat png;

        const auto snapshot = editor.createComponentSnapshot (editor.getLocalBounds());

        if (! stream.openedOk() || ! png.writeImageToStream (snapshot, stream))
        {
            std::cerr << "cannot write " << file.getFullPathName() << std::endl;
            return false;
        }

        std::cout << file.getFullPathName() << std::endl;
    }

    return true;
}
} // namespace

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: qx_view_snapshots <folder>" << std::endl;
        return 2;
    }

    juce::ScopedJuceInitialiser_GUI juce;
    const auto folder = juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]);

    if (! folder.createDirectory())
    {
        std::cerr << "cannot create " << folder.getFullPathName() << std::endl;
        return 1;
    }

    return writeSnapshots (folder) ? 0 : 1;
}
