#pragma once

#include "app/ApplicationShell.h"
#include "app/CommandIds.h"
#include "app/QX61ModelResources.h"
#include "engine/EngineTestSupport.h"
#include "engine/MidiTestSupport.h"
#include "engine/simulator/SimulatedKeyboard.h"
#include "views/ViewTestSupport.h"

#include <deque>

namespace AppTestSupport
{
using MidiTestSupport::dispatchUntil;

using WidgetTestSupport::ignoreXErrors;

template <typename T>
T takeFirst (std::deque<T>& queue, T fallback)
{
    if (queue.empty())
        return fallback;

    auto first = queue.front();
    queue.pop_front();
    return first;
}

class TestAlertPresenter : public AlertPresenter
{
public:
    struct Box
    {
        juce::String title;
        juce::String message;
        std::unique_ptr<juce::ModalComponentManager::Callback> callback;
    };

    void showMessageAsync (const juce::String& title, const juce::String& message,
                           juce::ModalComponentManager::Callback* callback) override
    {
        boxes.push_back ({ title, message, std::unique_ptr<juce::ModalComponentManager::Callback> (callback) });
        ++shownCount;
    }

    void dismissFirst() // "OK" on the oldest box
    {
        auto box = std::move (boxes.front());
        boxes.pop_front();

        if (box.callback != nullptr)
            box.callback->modalStateFinished (0);
    }

    int numOpen() const { return static_cast<int> (boxes.size()); }

    juce::String only() const
    {
        return boxes.size() == 1 ? boxes.front().title + ": " + boxes.front().message
                                 : juce::String (numOpen()) + " boxes";
    }

    std::deque<Box> boxes;
    int shownCount = 0;
};

/** Answers file choosers with the files queued by the test; an empty File is a cancel. */
class TestFileChooser : public FileChooserPresenter
{
public:
    void chooseFileToOpen (const juce::String&, const juce::File&, const juce::String&, Callback c) override
    {
        answer (false, c);
    }

    void chooseFileToSave (const juce::String&, const juce::File&, const juce::String&, Callback c) override
    {
        answer (true, c);
    }

    void chooseFolder (const juce::String&, const juce::File&, Callback c) override { answer (true, c); }

    void answer (bool saving, const Callback& callback)
    {
        requests.push_back (saving);
        callback (takeFirst (answers, juce::File()));
    }

    std::deque<juce::File> answers;
    std::vector<bool> requests; // whether each asked for a file to save
};

/** Answers the save-changes question with the queued answers (Cancel when none is left) and
    keeps every question asked. */
class TestSaveChanges : public SaveChangesPresenter
{
public:
    void askToSaveChanges (const juce::String& documentName, Callback callback) override
    {
        questions.add (question (documentName));

        if (whileAsking)
            whileAsking();

        callback (takeFirst (answers, Answer::cancel));
    }

    std::deque<Answer> answers;
    juce::StringArray questions;
    std::function<void()> whileAsking; // what happens while the question is up
};

/** Answers the stop-send question with the queued answers (true: "Stop"; "Keep Sending" when
    none is left) and keeps every question asked. */
class TestStopSend : public StopSendPresenter
{
public:
    void askToStopSend (int slotNumber, Callback callback) override
    {
        questions.add (question (slotNumber));
        callback (takeFirst (answers, false));
    }

    std::deque<bool> answers;
    juce::StringArray questions;
};

/** A shell as the program runs it, on in-process ports, optionally with the simulated keyboard
    plugged in (but not chosen). */
struct ShellHarness
{
    explicit ShellHarness (bool withKeyboard = false)
    {
        ignoreXErrors();

        if (withKeyboard)
            keyboard = std::make_unique<SimulatedKeyboard> (*ports);

        link = std::make_unique<KeyboardLink> (ports);
        midiManager = &link->getMidiManager();
        shell = std::make_unique<ApplicationShell> (
            ApplicationShell::Setup { "Kavori QX61 Editor", ModelConstants::qx61(), resources, *link, alerts, chooser,
                                      settings, [this] { ++quitRequests; }, &saveChanges, &stopSend });
    }

    void useKeyboard()
    {
        midiManager->setInputDevice (SimulatedKeyboard::portName);
        midiManager->setOutputDevice (SimulatedKeyboard::portName);
    }

    EditorWindow* start (const juce::String& commandLine = {})
    {
        shell->start (commandLine);
        return windows().getWindow (0);
    }

    WindowManager& windows() { return shell->getWindowManager(); }

    void invoke (juce::CommandID command) { shell->getCommandManager().invokeDirectly (command, false); }

    std::shared_ptr<VirtualMidiPortLayer> ports = std::make_shared<VirtualMidiPortLayer>();
    std::unique_ptr<SimulatedKeyboard> keyboard;
    std::unique_ptr<KeyboardLink> link;
    MidiManager* midiManager = nullptr;
    QX61ModelResources resources;
    TestAlertPresenter alerts;
    TestFileChooser chooser;
    TestSaveChanges saveChanges;
    TestStopSend stopSend;
    EngineTestSupport::TemporaryFolder settingsFolder;
    AppSettings settings { settingsFolder.folder };
    int quitRequests = 0;
    std::unique_ptr<ApplicationShell> shell; // last, so it goes before the ports it uses
};

inline bool activate (juce::TopLevelWindow& window)
{
    window.toFront (true);
    return dispatchUntil ([&] { return window.isActiveWindow(); });
}

template <typename ComponentType = juce::Component>
ComponentType* findChild (juce::Component& parent, const juce::String& name)
{
    for (auto* child : findAll<ComponentType> (parent))
        if (child->getName() == name)
            return child;

    return nullptr;
}

/** Clicks the button of that caption below the component as the user would, and lets the click arrive. */
inline bool clickButton (juce::Component& parent, const juce::String& caption)
{
    auto* button = findChild<juce::Button> (parent, caption);

    if (button == nullptr)
        return false;

    button->triggerClick();
    juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
    return true;
}

using TempFolder = EngineTestSupport::TemporaryFolder;

} // namespace AppTestSupport
