#pragma once

#include "engine/QXEditorEngine.h"
#include "model/ModelConstants.h"
#include "widgets/boxes/NumberBox.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <dlfcn.h>
#include <memory>
#include <vector>

namespace WidgetTestSupport
{
/** Runs the message loop until every message posted before this call has been handled; each
    further round also covers what those messages posted in turn. */
inline void flushMessages (int rounds = 1)
{
    for (int round = 0; round < rounds; ++round)
    {
        auto done = std::make_shared<bool> (false);
        juce::MessageManager::callAsync ([done] { *done = true; });

        for (int i = 0; i < 500 && ! *done; ++i)
            juce::MessageManager::getInstance()->runDispatchLoopUntil (5);
    }
}

/** A window on a display without a window manager sets properties whose atoms do not
    exist; a running application ignores those errors, but outside one (as in this test
    program) the framework leaves Xlib's handler in place, which ends the process. */
inline void ignoreXErrors()
{
    using Handler = int (*) (void*, void*);
    using SetHandler = Handler (*) (Handler);

    if (auto* library = dlopen ("libX11.so.6", RTLD_LAZY))
        if (auto setHandler = reinterpret_cast<SetHandler> (dlsym (library, "XSetErrorHandler")))
            setHandler ([] (void*, void*) { return 0; });
}

/** Puts a component on the (virtual) desktop for the life of this object, so that its text
    editors can hold the keyboard focus as they do in a window: a label whose editor has no focus
    treats every keystroke as a loss of focus and commits it. */
struct OnDesktop
{
    explicit OnDesktop (juce::Component& componentIn) : component (componentIn)
    {
        ignoreXErrors();
        component.setVisible (true);
        component.addToDesktop (0);
        component.toFront (true);
        flushMessages();
    }

    ~OnDesktop() { component.removeFromDesktop(); }

    juce::Component& component;
};

/** Types into the box's own text editor as a user would, then presses the final key, if any. */
inline void typeInto (NumberBox& box, const juce::String& text, int finalKey = juce::KeyPress::returnKey)
{
    box.showEditor();
    auto* editor = box.getCurrentTextEditor();

    if (editor == nullptr)
        return;

    editor->grabKeyboardFocus();

    for (auto character : text)
        editor->keyPressed (juce::KeyPress (0, {}, character));

    if (finalKey == 0)
        return;

    // The editor hands Return and Escape to the label through the message loop.
    editor->keyPressed (juce::KeyPress (finalKey));
    flushMessages();
}

/** An engine as an editor window has it, with what its constructor borrows kept alive beside it. */
struct TestEngine
{
    explicit TestEngine (const ModelConstants& constantsIn = ModelConstants::qx61())
        : constants (constantsIn),
          engine (new QXEditorEngine (constants.modelId, keyboard, constants.presetFilePattern,
                                      constants.getHighestSplitPoint(), constants.maxKeybedOctave, constants.numKnobs,
                                      constants.numPads, constants.numSwitches))
    {
    }

    Control& control (int groupId, int index = 0) const { return *engine->getModel().getControl (groupId, index); }
    int stored (int groupId, int index, const juce::String& name) const
    {
        return control (groupId, index).getParameter (name);
    }
    Control::Bytes data() const { return engine->getModel().collectData(); }
    static juce::Array<juce::uint8> defaultPreset() { return ModelConstants::qx61DefaultPreset(); }

    void setInPreset (juce::Array<juce::uint8>& message, int groupId, int index, const juce::String& name,
                      juce::uint8 value) const
    {
        const auto& target = control (groupId, index);
        message.set (PresetLayout::messageOffset (target.getImageOffset() + target.getParameterIndex (name)), value);
    }

    /** Applies the message as a received preset, and delivers the notifications it posts. */
    void apply (const juce::Array<juce::uint8>& message)
    {
        engine->applyPreset (message);
        flushMessages (4);
    }

    void applyWith (int groupId, int index, const juce::String& name, juce::uint8 value)
    {
        auto preset = defaultPreset();
        setInPreset (preset, groupId, index, name, value);
        apply (preset);
    }

    const ModelConstants constants;
    KeyboardLink keyboard;
    QXEditorEngine::Ptr engine;
};
} // namespace WidgetTestSupport
