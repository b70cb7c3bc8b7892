#pragma once

#include "app/editor/EditorWindow.h"

/** Owns every editor window: numbers the untitled ones for the life of the process, cascades
    them by 15 pixels, deletes a window when it is closed, and finds the active one. */
class WindowManager : public WindowCloseListener, private juce::Timer
{
public:
    WindowManager (juce::ApplicationCommandManager* commandManager, const EditorWindowServices& services);
    ~WindowManager() override;

    /** Builds, places, shows and keeps a window around the content (ownership passes) and the
        engine, and makes it the active window. */
    EditorWindow* createEditorWindow (EditorComponent* content, QXEditorEngine::Ptr engine);

    void windowClosed (juce::TopLevelWindow* window) override;

    /** Run once the last editor window has closed; where nothing else of the program stays on
        screen (no global menu bar) the shell quits there, as "Quit" does. */
    void setLastWindowClosedAction (std::function<void()> action) { lastWindowClosed = std::move (action); }

    void minimiseActiveWindow();
    void bringAllWindowsToFront();

    /** Restores the window if minimised and gives it the keyboard focus. */
    static void bringToFront (EditorWindow& window);

    /** The first editor window, in creation order, that is the active top-level window. */
    EditorWindow* getActiveWindow() const;

    int getNumWindows() const { return windows.size(); }
    EditorWindow* getWindow (int index) const { return windows[index]; }

    static constexpr int cascadeStep = 15;
    static constexpr int frameCheckMs = 100;
    static constexpr int frameChecks = 40;

private:
    /** Refits the windows shown lately, whose frames may only now be known. */
    void timerCallback() override;

    juce::OwnedArray<EditorWindow> windows;
    struct Settling
    {
        juce::Component::SafePointer<EditorWindow> window;
        int checksLeft;
    };
    std::vector<Settling> settling;
    juce::ApplicationCommandManager* commandManager;
    int untitledCount = 0;
    EditorWindowServices services;
    std::function<void()> lastWindowClosed;

    JUCE_DECLARE_NON_COPYABLE (WindowManager)
};
