#include "app/WindowManager.h"

#include "views/EditorComponent.h"

WindowManager::WindowManager (juce::ApplicationCommandManager* commandManagerIn, juce::File* lastLocationIn,
                              const EditorWindowServices& servicesIn)
    : lastLocation (lastLocationIn), commandManager (commandManagerIn), services (servicesIn)
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
    const auto title = services.applicationName + " - Untitled " + juce::String (untitledCount);

    auto* window = new EditorWindow (title, content, engine, lastLocation, nullptr, services);
    engine->addListener (window);

    const auto n = windows.size();
    window->setTopLeftPosition (cascadeStep + cascadeStep * n, 60 + cascadeStep * n);
    window->setVisible (true);

    if (! window->isOnDesktop())
        window->addToDesktop();

    commandManager->registerAllCommandsForTarget (window);
    window->addKeyListener (commandManager->getKeyMappings());
    window->addCloseListener (this);

    windows.add (window);
    window->toFront (true);
    return window;
}

void WindowManager::windowClosed (juce::TopLevelWindow* window)
{
    if (auto* editorWindow = dynamic_cast<EditorWindow*> (window))
        windows.removeObject (editorWindow);
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
    {
        if (window->isMinimised())
            window->setMinimised (false);

        window->toFront (true);
    }
}

bool WindowManager::openFileInActiveWindow (const juce::File& file)
{
    if (auto* window = getActiveWindow())
    {
        window->openPresetFile (file);
        return true;
    }

    return false;
}
