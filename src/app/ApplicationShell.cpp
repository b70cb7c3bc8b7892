#include "app/ApplicationShell.h"

#include "app/CommandLineOptions.h"
#include "app/CommandTable.h"
#include "app/alerts/PromptWindow.h"
#include "app/alerts/TitledAlertWindow.h"
#include "app/desktop/InterfaceScale.h"
#include "app/desktop/ScreenFit.h"
#include "app/editor/UnsavedChangesGuard.h"
#include "engine/files/FileAccess.h"
#include "views/EditorComponent.h"
#include "views/selectors/TabSelectorButtons.h"

using namespace CommandIds;

/** Sends a command to the application when nothing on screen takes it (no editor window in
    front), also where there is no framework application object, as in the tests. */
class ApplicationShell::CommandManager : public juce::ApplicationCommandManager
{
public:
    explicit CommandManager (juce::ApplicationCommandTarget& fallbackIn) : fallback (fallbackIn) {}

    juce::ApplicationCommandTarget* getFirstCommandTarget (juce::CommandID commandId) override
    {
        if (auto* target = juce::ApplicationCommandManager::getFirstCommandTarget (commandId))
            return target;

        return &fallback;
    }

private:
    juce::ApplicationCommandTarget& fallback;
};

//==============================================================================
ApplicationShell::ApplicationShell (Setup setupIn)
    : setup (std::move (setupIn)),
      nativeSaveChanges (setup.applicationName),
      nativeStopSend (setup.applicationName),
      highestSplitPoint (setup.constants.getHighestSplitPoint())
{
    commandManager = std::make_unique<CommandManager> (*this);
    mainMenuModel = std::make_unique<MainMenuModel> (commandManager.get(), static_cast<MainMenuModel::Lists*> (this));
    commandManager->registerAllCommandsForTarget (this);

    // The editor windows' commands too, so the menus show them (greyed out) before any window
    // has registered them.
    for (auto id : CommandTable::editorWindowCommands())
    {
        juce::ApplicationCommandInfo info (id);
        CommandTable::fillCommandInfo (id, info);
        commandManager->registerCommand (info);
    }

    if (setup.saveChanges == nullptr)
        setup.saveChanges = &nativeSaveChanges;

    if (setup.stopSend == nullptr)
        setup.stopSend = &nativeStopSend;

    const EditorWindowServices services {
        setup.alerts,
        setup.fileChooser,
        setup.settings,
        setup.applicationName,
        mainMenuModel.get(),
        this,
        commandManager.get(),
        setup.saveChanges,
        setup.stopSend,
        [this] { return setup.settings.getSlotNames (setup.keyboard.getMidiManager().getOutputDeviceName()).names; },
        [this] (juce::uint8 slot, const juce::String& name) { rememberSlotName (slot, name); }
    };
    windowManager = std::make_unique<WindowManager> (commandManager.get(), services);
    quitWithTheLastWindow();

    // Before the first window, which then opens at its size.
    InterfaceScale::apply (setup.settings.getInterfaceSize());
    juce::Desktop::getInstance().addFocusChangeListener (this);
}

void ApplicationShell::quitWithTheLastWindow()
{
#if ! JUCE_MAC
    // Without a global menu bar nothing of the program would stay on screen, only its hold on the
    // MIDI ports. Quitting goes the way of the "Quit" command, so whatever that asks first applies.
    windowManager->setLastWindowClosedAction (
        [manager = commandManager.get()] { manager->invokeDirectly (quitCommand, true); });
#endif
}

ApplicationShell::~ApplicationShell()
{
    juce::Desktop::getInstance().removeFocusChangeListener (this);
    masterReference.clear();
    closeAuxiliaryWindows();
    windowManager.reset();
    mainMenuModel.reset();
    commandManager.reset();
}

void ApplicationShell::start (const juce::String& commandLine)
{
    const auto options = CommandLineOptions::parse (commandLine);

    if (options.hasPresetFile())
        anotherInstanceStarted (commandLine);
    else
        openNewEditorWindow();

    if (setup.settings.getProblem().isNotEmpty())
        setup.alerts.showMessageAsync (setup.applicationName, setup.settings.getProblem(), nullptr);
}

void ApplicationShell::anotherInstanceStarted (const juce::String& commandLine)
{
    const auto options = CommandLineOptions::parse (commandLine);

    if (! options.hasPresetFile())
    {
        // A plain second launch means "show me the editor".
        if (windowManager->getNumWindows() == 0)
            openNewEditorWindow();
        else
            windowManager->bringAllWindowsToFront();

        return;
    }

    const auto file = options.getPresetFile (juce::File::getCurrentWorkingDirectory());

    // A file handed over while another program is in front would otherwise go nowhere.
    auto* window = windowManager->getActiveWindow();
    openFile (file, window != nullptr ? window : openNewEditorWindow());
}

void ApplicationShell::openFile (const juce::File& file, EditorWindow* window)
{
    if (window != nullptr)
        window->openPresetFileAfterAsking (file);
}

void ApplicationShell::closeAuxiliaryWindows()
{
    delete aboutWindow.get();
    delete deviceManagerWindow.get();
    delete keyboardSlotsWindow.get();
}

//==============================================================================
EditorWindow* ApplicationShell::openNewEditorWindow()
{
    const auto* data = setup.resources.getDefaultPresetData();
    return openEditorWindowWith (QXEditorEngine::Bytes (data, setup.resources.getDefaultPresetSize()));
}

EditorWindow* ApplicationShell::openRecoveredWindow (const RecoveryStore::Entry& entry)
{
    auto* window = openEditorWindowWith (entry.preset);
    window->getEngine().takeAsRecovered (entry.documentFile);
    window->showRecovered (entry.title);
    return window;
}

EditorWindow* ApplicationShell::openEditorWindowWith (const QXEditorEngine::Bytes& preset)
{
    const auto& c = setup.constants;
    QXEditorEngine::Ptr engine (new QXEditorEngine (c.modelId, setup.keyboard, c.presetFilePattern, highestSplitPoint,
                                                    c.maxKeybedOctave, c.numKnobs, c.numPads, c.numSwitches));

    auto content = std::make_unique<EditorComponent> (std::make_unique<TabSelectorButtons>(),
                                                      setup.resources.createProductImageSelector(), engine, c.numKnobs,
                                                      c.numPads, c.numSwitches);

    engine->applyPreset (preset);
    return windowManager->createEditorWindow (content.release(), engine);
}

void ApplicationShell::chooseAndOpenFile()
{
    setup.fileChooser.chooseFileToOpen (
        "Select Filename to open", setup.settings.getLastFolder(), setup.constants.presetFilePattern,
        [shell = juce::WeakReference<ApplicationShell> (this)] (const juce::File& chosen) {
            if (shell == nullptr || chosen == juce::File())
                return;

            shell->setup.settings.setLastFolder (chosen.getParentDirectory());
            shell->openFile (chosen, shell->openNewEditorWindow());
        });
}

void ApplicationShell::openRecentFile (const juce::File& file)
{
    if (const auto found = FileAccess::checkExists (file); found.failed())
    {
        setup.settings.removeRecentFile (file);
        setup.alerts.showMessageAsync (TitledAlertWindow::fileErrorTitle,
                                       file.getFileName() + " is gone, so it was taken off the recent files.\n"
                                           + found.getErrorMessage(),
                                       nullptr);
        return;
    }

    openFile (file, openNewEditorWindow());
}

juce::StringArray ApplicationShell::getWindowNames()
{
    juce::StringArray names;

    for (int i = 0; i < windowManager->getNumWindows(); ++i)
        names.add (windowManager->getWindow (i)->getDocumentName());

    return names;
}

int ApplicationShell::getFrontWindow()
{
    const auto* front = windowManager->getActiveWindow();

    for (int i = 0; i < windowManager->getNumWindows(); ++i)
        if (windowManager->getWindow (i) == front)
            return i;

    return -1;
}

void ApplicationShell::showWindow (int index)
{
    if (auto* window = windowManager->getWindow (index))
        windowManager->bringToFront (*window);
}

juce::Array<juce::File> ApplicationShell::userGuideLocations() const
{
    const auto folder = "Kavori/QX" + juce::String (setup.constants.numKeys) + " Editor";
    const auto fileName = setup.resources.getUserGuideFileName();
    const auto installed = juce::File::getSpecialLocation (juce::File::currentExecutableFile)
                               .getParentDirectory()
                               .getSiblingFile ("share/doc/qx61-editor");

    return { juce::File::getSpecialLocation (juce::File::userDocumentsDirectory)
                 .getChildFile (folder)
                 .getChildFile (fileName),
             installed.getChildFile (fileName) };
}

void ApplicationShell::openUserGuide()
{
    const auto locations = userGuideLocations();

    for (const auto& guide : locations)
        if (guide.existsAsFile())
            return guideViewer.show (guide);

    setup.alerts.showMessageAsync (setup.applicationName,
                                   "Unable to find User Guide: \r\n" + locations.getFirst().getFullPathName(), nullptr);
}

void ApplicationShell::guideNotShown (const juce::File& guide)
{
    setup.alerts.showMessageAsync (setup.applicationName,
                                   "No program to show PDF files was found. The guide is at " + guide.getFullPathName(),
                                   nullptr);
}

// A window already open may be hidden behind an editor window: it comes to the front with the
// keyboard focus, where Escape and Return reach it, as a new one would. It does so once the menu
// that asked has closed, since closing hands the keyboard back to the menu's window.
void ApplicationShell::showAboutWindow()
{
    if (aboutWindow != nullptr)
    {
        juce::MessageManager::callAsync ([window = aboutWindow] {
            if (window != nullptr)
                window->toFront (true);
        });
        return;
    }

    aboutWindow = new AboutWindow (setup.resources.getAboutImage(), "About " + setup.applicationName,
                                   { nullptr, commandManager.get(), windowManager->getActiveWindow() });
}

void ApplicationShell::showDeviceManagerWindow()
{
    if (deviceManagerWindow != nullptr)
        return deviceManagerWindow->toFront (true);

    deviceManagerWindow = new DeviceManagerWindow (
        "QX" + juce::String (setup.constants.numKeys) + " Editor Device Manager", setup.keyboard.getMidiManager(),
        { nullptr, commandManager.get(), windowManager->getActiveWindow() });

    // The shell deletes the window before it goes.
    deviceManagerWindow->onApply = [this] { setup.settings.rememberPorts (setup.keyboard.getMidiManager()); };
}

void ApplicationShell::showKeyboardSlotsWindow()
{
    if (keyboardSlotsWindow != nullptr)
        return keyboardSlotsWindow->toFront (true);

    const auto& c = setup.constants;
    QXEditorEngine::Ptr reader (new QXEditorEngine (c.modelId, setup.keyboard, c.presetFilePattern, highestSplitPoint,
                                                    c.maxKeybedOctave, c.numKnobs, c.numPads, c.numSwitches));
    keyboardSlotsWindow =
        new KeyboardSlotsWindow (reader, { nullptr, commandManager.get(), windowManager->getActiveWindow() });

    // The shell deletes the window before it goes.
    auto& content = keyboardSlotsWindow->getContent();
    content.onOpen = [this] (juce::uint8 slot) { openSlot (slot); };
    content.onSendHere = [this] (juce::uint8 slot) { sendFrontPresetTo (slot); };

    // Remembered per keyboard, by the port it is on.
    const auto port = setup.keyboard.getMidiManager().getOutputDeviceName();
    const auto known = setup.settings.getSlotNames (port);
    content.showKnownNames (known.names, known.readAt);
    content.onNamesRead = [this, port, &content] {
        setup.settings.rememberSlotNames (port, { content.getEngine().getSlotNames(), juce::Time::getCurrentTime() });
    };
    content.onSlotTouched = [this] (juce::uint8 slot, const juce::String& name) { rememberSlotName (slot, name); };
    content.onBackUpAll = [this] { chooseFolderForSlots (true); };
    content.onRestoreAll = [this] { chooseFolderForSlots (false); };
}

void ApplicationShell::chooseFolderForSlots (bool backUp)
{
    const auto title = backUp ? "Back Up All Slots" : "Restore All Slots";
    setup.fileChooser.chooseFolder (title, setup.settings.getLastFolder(), [this, backUp] (const juce::File& folder) {
        if (folder == juce::File() || keyboardSlotsWindow == nullptr)
            return;

        setup.settings.setLastFolder (folder);
        backUp ? keyboardSlotsWindow->getContent().backUpAll (folder, [this] (auto report) { slotsAlert (report); })
               : restoreAllFrom (folder);
    });
}

// Every file is checked before the question, so a bad one is told at once and nothing is sent.
void ApplicationShell::restoreAllFrom (const juce::File& folder)
{
    auto& content = keyboardSlotsWindow->getContent();

    if (const auto checked = content.prepareRestore (folder, [this] (auto report) { slotsAlert (report); });
        checked.failed())
        return slotsAlert (checked.getErrorMessage());

    const auto question = "Replace all " + juce::String (ModelConstants::numSlots)
                          + " slots on the keyboard with the presets in " + folder.getFullPathName() + "?";
    auto* box = new PromptWindow ("Keyboard Slots", question, juce::MessageBoxIconType::QuestionIcon);
    box->addButton ("Replace", 1, juce::KeyPress (juce::KeyPress::returnKey));
    box->addButton ("Cancel", 0, juce::KeyPress (juce::KeyPress::escapeKey));
    box->enterModalState (
        true,
        juce::ModalCallbackFunction::create (
            [window = juce::Component::SafePointer<KeyboardSlotsWindow> (keyboardSlotsWindow.get())] (int result) {
                if (result == 1 && window != nullptr)
                    window->getContent().startRestore();
            }),
        true);
}

void ApplicationShell::slotsAlert (const juce::String& message)
{
    TitledAlertWindow::show (setup.alerts, "Keyboard Slots", message);
}

void ApplicationShell::rememberSlotName (juce::uint8 slot, const juce::String& name)
{
    const auto port = setup.keyboard.getMidiManager().getOutputDeviceName();
    setup.settings.rememberSlotName (port, slot, name);

    if (keyboardSlotsWindow == nullptr)
        return;

    const auto known = setup.settings.getSlotNames (port);
    keyboardSlotsWindow->getContent().showKnownNames (known.names, known.readAt);
}

EditorWindow* ApplicationShell::frontEditorWindow() const
{
    if (auto* active = windowManager->getActiveWindow())
        return active;

    return lastFocusedEditor != nullptr ? lastFocusedEditor.getComponent() : windowManager->getWindow (0);
}

void ApplicationShell::globalFocusChanged (juce::Component* focused)
{
    if (focused == nullptr)
        return;

    if (auto* window = dynamic_cast<EditorWindow*> (focused->getTopLevelComponent()))
        lastFocusedEditor = window;
}

// Into the front window while it holds only what it opened with, so nothing is replaced.
void ApplicationShell::openSlot (juce::uint8 slot)
{
    auto* window = frontEditorWindow();

    if (window == nullptr || window->getEngine().canUndo() || window->getEngine().canRedo()
        || window->hasUnsavedEdits())
        window = openNewEditorWindow();

    if (window != nullptr)
        window->getEngine().startGet (slot);
}

void ApplicationShell::sendFrontPresetTo (juce::uint8 slot)
{
    auto* window = frontEditorWindow();

    if (window == nullptr || keyboardSlotsWindow == nullptr)
        return;

    const auto quoted = [] (const juce::String& text) {
        return juce::String (juce::CharPointer_UTF8 ("â")) + text
               + juce::String (juce::CharPointer_UTF8 ("â"));
    };
    const auto held = keyboardSlotsWindow->getContent().knownName (slot);
    const auto question = "Replace slot " + juce::String (slot + 1) + (held.isNotEmpty() ? " " + quoted (held) : "")
                          + " with " + quoted (window->getEngine().getPresetName()) + "?";

    auto* box = new PromptWindow ("Keyboard Slots", question, juce::MessageBoxIconType::QuestionIcon);
    box->addButton ("Replace", 1, juce::KeyPress (juce::KeyPress::returnKey));
    box->addButton ("Cancel", 0, juce::KeyPress (juce::KeyPress::escapeKey));
    box->enterModalState (true,
                          juce::ModalCallbackFunction::create (
                              [target = juce::Component::SafePointer<EditorWindow> (window), slot] (int result) {
                                  if (result == 1 && target != nullptr)
                                      target->getEngine().sendPreset (slot);
                              }),
                          true);
}

//==============================================================================
void ApplicationShell::getAllCommands (juce::Array<juce::CommandID>& commands)
{
    commands.addArray (CommandTable::applicationCommands());
}

void ApplicationShell::getCommandInfo (juce::CommandID commandId, juce::ApplicationCommandInfo& result)
{
    CommandTable::fillCommandInfo (commandId, result);

    if (const auto percent = CommandTable::interfaceSizeOf (commandId); percent >= 0)
        result.setTicked (percent == setup.settings.getInterfaceSize());
}

bool ApplicationShell::perform (const InvocationInfo& info)
{
    commitEdits();

    switch (info.commandID)
    {
        case newWindowCommand: openNewEditorWindow(); break;
        case openCommand: chooseAndOpenFile(); break;
        case quitCommand: quitAfterAsking(); break;
        case aboutCommand: showAboutWindow(); break;
        case deviceSetupCommand: showDeviceManagerWindow(); break;
        case keyboardSlotsCommand: showKeyboardSlotsWindow(); break;
        case minimizeCommand: windowManager->minimiseActiveWindow(); break;
        case bringAllToFrontCommand: windowManager->bringAllWindowsToFront(); break;
        case openUserGuideCommand: openUserGuide(); break;
        default:
            // closeWindowCommand is the editor window's
            if (const auto percent = CommandTable::interfaceSizeOf (info.commandID); percent >= 0)
                setInterfaceSize (percent);
            break;
    }

    return true;
}

void ApplicationShell::setInterfaceSize (int percent)
{
    setup.settings.setInterfaceSize (percent);
    InterfaceScale::apply (percent);

    // Fitted afresh: a window scaled down to fit may fit whole now, or no longer fit.
    for (int i = 0; i < windowManager->getNumWindows(); ++i)
    {
        auto* window = windowManager->getWindow (i);
        window->setFitScale (1.0f);
        ScreenFit::place (*window, window->getPosition());
    }
}

//==============================================================================
void ApplicationShell::commitEdits()
{
    for (int i = 0; i < windowManager->getNumWindows(); ++i)
        windowManager->getWindow (i)->commitEdits();
}

void ApplicationShell::quitAfterAsking()
{
    juce::Array<EditorWindow*> windows;

    for (int i = 0; i < windowManager->getNumWindows(); ++i)
        windows.add (windowManager->getWindow (i));

    UnsavedChangesGuard::confirmCloseAll (windows, *setup.saveChanges,
                                          [shell = juce::WeakReference<ApplicationShell> (this)] (bool mayQuit) {
                                              if (shell == nullptr || ! mayQuit)
                                                  return;

                                              shell->closeAuxiliaryWindows();

                                              if (shell->setup.quitApplication)
                                                  shell->setup.quitApplication();
                                          });
}
