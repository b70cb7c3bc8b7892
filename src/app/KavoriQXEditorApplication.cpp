#include "app/KavoriQXEditorApplication.h"

#include "engine/files/FileAccess.h"
#include "views/ViewImages.h"

KavoriQXEditorApplication::KavoriQXEditorApplication (juce::uint8 modelId, int numKnobs, int numPads, int numSwitches,
                                                      juce::uint8 numKeys, juce::uint8 maxKeybedOctave,
                                                      const juce::String& presetFilePattern)
    : constants { modelId, numKnobs, numPads, numSwitches, numKeys, maxKeybedOctave, presetFilePattern }
{
}

KavoriQXEditorApplication::~KavoriQXEditorApplication()
{
    // Editor windows (and with them every engine) go before the MIDI manager.
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
                                                                          *settings, [this] { quit(); } });
    alerts.setCommandManager (&shell->getCommandManager());

#if JUCE_MAC
    juce::PopupMenu extraAppleMenuItems;
    extraAppleMenuItems.addCommandItem (&shell->getCommandManager(), CommandIds::aboutCommand);
    juce::MenuBarModel::setMacMainMenu (&shell->getMenuModel(), &extraAppleMenuItems);
#endif

    shell->start (options.remainder);

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

void KavoriQXEditorApplication::shutdown()
{
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
