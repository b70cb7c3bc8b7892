#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** A small window of the program as a desktop expects it: the window manager's close button,
    Escape and Alt+F4 dismiss it (as its "Cancel"), Return confirms it (as its first button), the
    program's command keys (Ctrl+Q) work in it, it carries the program's icon, and a dialog of an
    editor window stays above that window, centred over it. */
class DesktopDialogWindow : public juce::ResizableWindow, private juce::KeyListener
{
public:
    /** Where a dialog belongs: the window it is centred over and kept above (none: centred on
        the screen), the commands whose keys work in it, and for a window of the whole program,
        which belongs to no window, the one it opens centred over. */
    struct Context
    {
        juce::Component* owner = nullptr;
        juce::ApplicationCommandManager* commandManager = nullptr;
        juce::Component* opensOver = nullptr;
    };

    ~DesktopDialogWindow() override;

    void userTriedToCloseWindow() override { dismiss(); }
    bool keyPressed (const juce::KeyPress& key) override;

protected:
    DesktopDialogWindow (const juce::String& title, const Context& context);

    /** Return; may delete the window. */
    virtual void confirm() = 0;

    /** The close button, Escape and Alt+F4; may delete the window. */
    virtual void dismiss() = 0;

    /** Sizes the window to its content, places it, puts it on the desktop and shows it with the
        keyboard focus on the given components' first (which see Return before they would use
        it themselves); without one the window takes the focus. */
    void showOnDesktop (juce::Array<juce::Component*> focusTargets);

    /** Clicks the content's button of that name as the user would. */
    void clickButton (const juce::String& name);

private:
    bool keyPressed (const juce::KeyPress& key, juce::Component* origin) override;

    Context context;
    juce::Array<juce::Component::SafePointer<juce::Component>> keyTargets;

    JUCE_DECLARE_NON_COPYABLE (DesktopDialogWindow)
};
