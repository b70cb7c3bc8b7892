#pragma once

#include "app/ApplicationShell.h"
#include "app/CommandIds.h"
#include "app/QX61ModelResources.h"
#include "engine/EngineTestSupport.h"
#include "engine/MidiTestSupport.h"
#include "engine/simulator/SimulatedKeyboard.h"
#include "widgets/WidgetTestSupport.h"

#include <deque>

namespace AppTestSupport
{
using MidiTestSupport::dispatchUntil;

using WidgetTestSupport::ignoreXErrors;

/** The first of the queue, taken off it, or the fallback when it is empty. */
template <typename T>
T takeFirst (std::deque<T>& queue, T fallback)
{
    if (queue.empty())
        return fallback;

    auto first = queue.front();
    queue.pop_front();
    return first;
}

/** Keeps every box that is up, so tests can read and dismiss them. */
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

    /** As the user pressing "OK" on the oldest box. */
    void dismissFirst()
    {
        auto box = std::move (boxes.front());
        boxes.pop_front();

        if (box.callback != nullptr)
            box.callback->modalStateFinished (0);
    }

    int numOpen() const { return static_cast<int> (boxes.size()); }

    /** "title: message" of the one box up, else how many are up. */
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
    struct Request
    {
        bool saving;
        juce::File startLocation;
    };

    void chooseFileToOpen (const juce::String&, const juce::File& start, const juce::String&,
                           Callback callback) override
    {
        requests.push_back ({ false, start });
        callback (takeFirst (answers, juce::File()));
    }

    void chooseFileToSave (const juce::String&, const juce::File& start, const juce::String&,
                           Callback callback) override
    {
        requests.push_back ({ true, start });
        callback (takeFirst (answers, juce::File()));
    }

    std::deque<juce::File> answers;
    std::vector<Request> requests;
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

    /** Starts the program with that command line and gives its first window. */
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

/** Brings the window to the front and waits until the desktop has made it active. */
inline bool activate (juce::TopLevelWindow& window)
{
    window.toFront (true);
    return dispatchUntil ([&] { return window.isActiveWindow(); });
}

/** The child of that component name, searched depth first. */
template <typename ComponentType = juce::Component>
ComponentType* findChild (juce::Component& parent, const juce::String& name)
{
    for (auto* child : parent.getChildren())
    {
        if (child->getName() == name)
            if (auto* found = dynamic_cast<ComponentType*> (child))
                return found;

        if (auto* found = findChild<ComponentType> (*child, name))
            return found;
    }

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

/** A left click on the component's centre, through its window's peer as the mouse gives it. */
inline void clickOn (juce::Component& target)
{
    auto* peer = target.getPeer();
    const auto at = peer->globalToLocal (target.localPointToGlobal (target.getLocalBounds().getCentre()).toFloat());
    const auto now = juce::Time::currentTimeMillis();
    const auto mouse = juce::MouseInputSource::InputSourceType::mouse;
    peer->handleMouseEvent (mouse, at, juce::ModifierKeys::leftButtonModifier, 1.0f, 0.0f, now);
    peer->handleMouseEvent (mouse, at, {}, 1.0f, 0.0f, now + 20);
    WidgetTestSupport::flushMessages();
}

using TempFolder = EngineTestSupport::TemporaryFolder;

} // namespace AppTestSupport
