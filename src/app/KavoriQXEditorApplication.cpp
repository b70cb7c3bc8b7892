#include "app/KavoriQXEditorApplication.h"

#include "app/alerts/PromptWindow.h"
#include "engine/files/FileAccess.h"
#include "views/pictures/ViewImages.h"

KavoriQXEditorApplication::KavoriQXEditorApplication (juce::uint8 modelId, int numKnobs, int numPads, int numSwitches,
                                                      juce::uint8 numKeys, juce::uint8 maxKeybedOctave,
                                                      const juce::String& presetFilePattern)
    : constants { modelId, numKnobs, numPads, numSwitches, numKeys, maxKeybedOctave, presetFilePattern }
{
}

KavoriQXEditorApplication::~KavoriQXEditorApplication()
{
    // Editor windows (and with them every engine) go before the MIDI manager.
    terminationWatch.reset();
    recoveryKeeper.reset();
    handOver.reset();
    shell.reset();
    midiSetup.reset();
    settings.reset();
}

bool KavoriQXEditorApplication::answersWithoutStarting (const CommandLineOptions& options,
                                                        const juce::String& programName, int& exitCode)
{
    if (! options.badOptions.isEmpty())
    {
        std::cerr << "Unknown or incomplete option: " << options.badOptions.joinIntoString (" ") << "\n\n"
                  << CommandLineOptions::getUsage (programName);
        exitCode = 2;
        return true;
    }

    if (options.help)
        std::cout << CommandLineOptions::getUsage (programName);
    else if (options.version)
        std::cout << "Kavori QX61 Editor " << QX_APP_VERSION << "\n";
    else
        return false;

    exitCode = 0;
    return true;
}

void KavoriQXEditorApplication::initialise (const juce::String& commandLine)
{
    const auto options = CommandLineOptions::parse (commandLine);

    if (! becomeRunningInstance (options))
    {
        quit();
        return;
    }

    midiSetup = std::make_unique<MidiSetup> (
        options.simulator ? MidiSetup::Ports::systemAndSimulator : MidiSetup::Ports::system,
        options.midiLogPath.isEmpty() ? juce::File()
                                      : juce::File::getCurrentWorkingDirectory().getChildFile (options.midiLogPath));

    // Asked for a log it cannot keep, the editor would run without the record the user wanted.
    if (! midiSetup->isLogOpen())
    {
        const auto log = juce::File::getCurrentWorkingDirectory().getChildFile (options.midiLogPath);
        const auto why = FileAccess::checkWritable (log);
        std::cerr << "Could not create the MIDI log " << (why.failed() ? why.getErrorMessage() : log.getFullPathName())
                  << "\n";
        setApplicationReturnValue (1);
        quit();
        return;
    }

    settings = std::make_unique<AppSettings>();

    // The simulator, asked for, is chosen already.
    if (! options.simulator)
        settings->reopenPorts (midiSetup->getMidiManager(), "QX" + juce::String (constants.numKeys));

    shell = std::make_unique<ApplicationShell> (ApplicationShell::Setup { getApplicationName(), constants, *this,
                                                                          midiSetup->getKeyboard(), alerts, fileChooser,
                                                                          *settings, [] { quit(); } });
    alerts.setCommandManager (&shell->getCommandManager());

#if JUCE_MAC
    juce::PopupMenu extraAppleMenuItems;
    extraAppleMenuItems.addCommandItem (&shell->getCommandManager(), CommandIds::aboutCommand);
    juce::MenuBarModel::setMacMainMenu (&shell->getMenuModel(), &extraAppleMenuItems);
#endif

    shell->start (options.remainder);
    startRecovery();

    // The first window has taken its pictures; nothing is left to decode ahead.
    ViewImages::stopPreloading();
}

bool KavoriQXEditorApplication::becomeRunningInstance (const CommandLineOptions& options)
{
    // Every launch is handed over, with or without a file (the running instance then comes to
    // the front). A relative path means nothing in the other process's folder.
    const auto line = options.hasPresetFile()
                          ? options.getPresetFile (juce::File::getCurrentWorkingDirectory()).getFullPathName().quoted()
                          : juce::String();

    // Lines handed over before the shell exists wait on the message queue until it does.
    auto launch =
        InstanceHandOver::launch (InstanceHandOver::socketForCurrentSession(), line,
                                  [this] (const juce::String& handedOver) { anotherInstanceStarted (handedOver); });

    if (launch.outcome == InstanceHandOver::Launch::Outcome::busy)
    {
        std::cerr << "The running " << getApplicationName() << " did not answer; not starting a second one\n";
        setApplicationReturnValue (1);
    }

    handOver = std::move (launch.running);
    return launch.outcome == InstanceHandOver::Launch::Outcome::running;
}

void KavoriQXEditorApplication::startRecovery()
{
    recoveryStore = std::make_unique<RecoveryStore> (RecoveryStore::defaultRoot());
    auto leftBehind = recoveryStore->findLeftBehind (getDefaultPresetSize());

    recoveryKeeper = std::make_unique<RecoveryKeeper> (
        shell->getWindowManager(), *recoveryStore, [this] (const juce::String& reason) {
            const auto message = "Unsaved presets cannot be kept for recovery: " + reason;

            // Ending, there is no time to read a box, nor a display to show it on.
            if (ending)
                std::cerr << message << "\n";
            else
                alerts.showMessageAsync (getApplicationName(), message, nullptr);
        });

    terminationWatch = std::make_unique<TerminationWatch> ([this] (int signal) { endWithoutAsking (signal); },
                                                           [this] {
                                                               ending = true;
                                                               recoveryKeeper->writeNow();
                                                               recoveryKeeper->keepEntries();
                                                           });

    if (! leftBehind.empty())
        offerRecovery (std::move (leftBehind));
}

void KavoriQXEditorApplication::offerRecovery (std::vector<RecoveryStore::Entry> entries)
{
    const auto count = static_cast<int> (entries.size());
    const auto question = "Recover " + juce::String (count) + " unsaved preset" + (count == 1 ? "?" : "s?");

    // Escape or the close button decides nothing: the presets are offered again next time.
    constexpr int recoverResult = 1, discardResult = 2;
    auto* box = new PromptWindow (getApplicationName(), question, juce::MessageBoxIconType::QuestionIcon);
    box->addButton ("Recover", recoverResult, juce::KeyPress (juce::KeyPress::returnKey));
    box->addButton ("Discard", discardResult);
    box->addButton ("Later", 0, juce::KeyPress (juce::KeyPress::escapeKey));
    box->enterModalState (true, juce::ModalCallbackFunction::create ([this, entries] (int result) {
                              if (result == recoverResult)
                                  recover (entries);
                              if (result != 0 && recoveryStore != nullptr)
                                  recoveryStore->forgetLeftBehind();
                          }),
                          true);
}

void KavoriQXEditorApplication::recover (const std::vector<RecoveryStore::Entry>& entries)
{
    if (shell == nullptr)
        return;

    // The start's empty window has nothing to keep; the recovered ones take its place.
    auto& windows = shell->getWindowManager();
    juce::Component::SafePointer<EditorWindow> blank (windows.getNumWindows() == 1 ? windows.getWindow (0) : nullptr);

    for (const auto& entry : entries)
        shell->openRecoveredWindow (entry);

    // Kept in this run's own entries before the old ones go.
    recoveryKeeper->writeNow();

    if (blank != nullptr && ! blank->hasUnsavedEdits() && blank->getCurrentFile() == juce::File())
        blank->closeNow();
}

void KavoriQXEditorApplication::endWithoutAsking (int signal)
{
    ending = true;
    shell->commitEdits();
    recoveryKeeper->writeNow();
    recoveryKeeper->keepEntries();
    shell->closeAuxiliaryWindows();
    setApplicationReturnValue (128 + signal);
    quit();
}

void KavoriQXEditorApplication::shutdown()
{
    terminationWatch.reset();
    recoveryKeeper.reset();
#if JUCE_MAC
    juce::MenuBarModel::setMacMainMenu (nullptr);
#endif
    handOver.reset();
}

void KavoriQXEditorApplication::anotherInstanceStarted (const juce::String& commandLine)
{
    if (shell != nullptr)
        shell->anotherInstanceStarted (commandLine);
}

void KavoriQXEditorApplication::systemRequestedQuit()
{
    // The desktop asking the program to end is a quit like any other: edited presets are asked about.
    if (shell != nullptr)
        return shell->quitAfterAsking();

    quit();
}

void KavoriQXEditorApplication::getAllCommands (juce::Array<juce::CommandID>& commands)
{
    if (shell != nullptr)
        shell->getAllCommands (commands);
}

void KavoriQXEditorApplication::getCommandInfo (juce::CommandID commandId, juce::ApplicationCommandInfo& result)
{
    if (shell != nullptr)
        shell->getCommandInfo (commandId, result);
}

bool KavoriQXEditorApplication::perform (const InvocationInfo& info)
{
    return shell == nullptr || shell->perform (info);
}
