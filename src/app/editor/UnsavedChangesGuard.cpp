#include "app/editor/UnsavedChangesGuard.h"

#include "app/editor/EditorWindow.h"

namespace
{
using WindowList = juce::Array<juce::Component::SafePointer<EditorWindow>>;

void confirmFrom (std::shared_ptr<WindowList> windows, int next, SaveChangesPresenter& presenter,
                  UnsavedChangesGuard::Done done)
{
    // Windows closed meanwhile have nothing left to ask about.
    while (next < windows->size() && windows->getReference (next) == nullptr)
        ++next;

    if (next >= windows->size())
        return done (true);

    UnsavedChangesGuard::confirmClose (*windows->getReference (next), presenter,
                                       [windows, next, &presenter, done] (bool mayClose) {
                                           if (mayClose)
                                               confirmFrom (windows, next + 1, presenter, done);
                                           else
                                               done (false);
                                       });
}
} // namespace

void UnsavedChangesGuard::confirmClose (EditorWindow& window, SaveChangesPresenter& presenter, Done done)
{
    juce::Component::SafePointer<EditorWindow> safeWindow (&window);
    window.settleTransfersThen ([safeWindow, &presenter, done] {
        // A window closed meanwhile has nothing left to ask about.
        if (safeWindow == nullptr)
            return done (true);

        askToSave (*safeWindow, presenter, done);
    });
}

void UnsavedChangesGuard::askToSave (EditorWindow& window, SaveChangesPresenter& presenter, Done done)
{
    if (! window.hasUnsavedEdits())
        return done (true);

    juce::Component::SafePointer<EditorWindow> safeWindow (&window);
    window.toFront (true);

    presenter.askToSaveChanges (window.getDocumentName(), [safeWindow, done] (SaveChangesPresenter::Answer answer) {
        if (safeWindow == nullptr || answer == SaveChangesPresenter::Answer::cancel)
            return done (false);

        if (answer == SaveChangesPresenter::Answer::dontSave)
            return done (true);

        safeWindow->saveThen ([safeWindow, done] (bool saved) { done (saved && safeWindow != nullptr); });
    });
}

void UnsavedChangesGuard::confirmCloseAll (const juce::Array<EditorWindow*>& windows, SaveChangesPresenter& presenter,
                                           Done done)
{
    auto list = std::make_shared<WindowList>();

    // No get may replace a preset while the questions about the others are up.
    for (auto* window : windows)
    {
        window->getEngine().cancelGet();
        list->add (window);
    }

    confirmFrom (list, 0, presenter, std::move (done));
}
