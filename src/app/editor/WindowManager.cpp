#include "app/editor/WindowManager.h"

#include "app/desktop/DesktopWindowHints.h"
#include "app/desktop/ScreenFit.h"
#include "views/EditorComponent.h"

WindowManager::WindowManager (juce::ApplicationCommandManager* commandManagerIn, const EditorWindowServices& servicesIn)
    : commandManager (commandManagerIn),
      services (servicesIn)
{
}

WindowManager::~WindowManager()
{
    // The last created first.
    while (! windows.isEmpty())
        windows.removeLast();
}

EditorWindow* WindowManager::createEditorWindow (EditorComponent* content, QXEditorEngine::Ptr engine)
{
    ++untitledCount;
    auto* window = new EditorWindow ("Untitled " + juce::String (untitledCount), content, engine, nullptr, services);
    engine->addListener (window);

    const auto n = windows.size();
    const juce::Point<int> place (cascadeStep + cascadeStep * n, 60 + cascadeStep * n);
    ScreenFit::place (*window, place);
    window->setVisible (true);

    if (! window->isOnDesktop())
        window->addToDesktop();

    DesktopWindowHints::showProgramIcon (*window);

    // The window manager decorates and places the window some time after it is shown, and says
    // nothing when the frame's size arrives; on a small screen that frame can push the window
    // off the bottom, so the window is checked for a while. A timer of our own rather than a
    // detached one, which would outlive a quit before it fires.
    settling.push_back ({ window, frameChecks });
    startTimer (frameCheckMs);

    commandManager->registerAllCommandsForTarget (window);
    window->addKeyListener (commandManager->getKeyMappings());
    window->addCloseListener (this);

    windows.add (window);
    window->toFront (true);
    return window;
}

void WindowManager::timerCallback()
{
    for (auto& entry : settling)
        if (entry.window != nullptr)
            ScreenFit::keepOnScreen (*entry.window);

    settling.erase (
        std::remove_if (settling.begin(), settling.end(),
                        [] (Settling& entry) { return entry.window == nullptr || --entry.checksLeft <= 0; }),
        settling.end());

    if (settling.empty())
        stopTimer();
}

void WindowManager::windowClosed (juce::TopLevelWindow* window)
{
    auto* editorWindow = dynamic_cast<EditorWindow*> (window);

    if (editorWindow == nullptr || ! windows.contains (editorWindow))
        return;

    windows.removeObject (editorWindow);

    if (windows.isEmpty() && lastWindowClosed)
        lastWindowClosed();
}

EditorWindow* WindowManager::getActiveWindow() const
{
    for (auto* window : windows)
        if (window->isActiveWindow())
            return window;

    return nullptr;
}

void WindowManager::minimiseActiveWindow()
{
    if (auto* window = getActiveWindow())
        window->setMinimised (true);
}

void WindowManager::bringAllWindowsToFront()
{
    for (auto* window : windows)
        bringToFront (*window);
}

void WindowManager::bringToFront (EditorWindow& window)
{
    if (window.isMinimised())
        window.setMinimised (false);

    window.toFront (true);
}
