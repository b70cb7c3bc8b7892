#pragma once

#include "app/ApplicationShell.h"
#include "app/CommandLineOptions.h"
#include "app/alerts/NativeAlertPresenter.h"
#include "app/desktop/InstanceHandOver.h"
#include "app/desktop/NativeFileChooserPresenter.h"
#include "app/desktop/TerminationWatch.h"
#include "app/editor/RecoveryKeeper.h"
#include "engine/MidiSetup.h"

/** The running editor of one keyboard model of the family: starts the shell with the model's
    constants and resources, keeps the program to one instance per user and display, and ends
    in the order that lets no engine outlive the MIDI manager. */
class KavoriQXEditorApplication : public juce::JUCEApplication, public ModelResources
{
public:
    KavoriQXEditorApplication (juce::uint8 modelId, int numKnobs, int numPads, int numSwitches, juce::uint8 numKeys,
                               juce::uint8 maxKeybedOctave, const juce::String& presetFilePattern);
    ~KavoriQXEditorApplication() override;

    const juce::String getApplicationName() override { return "Kavori QX61 Editor"; }
    const juce::String getApplicationVersion() override { return QX_APP_VERSION; }

    /** The program does the hand-over to a running instance itself (see InstanceHandOver). */
    bool moreThanOneInstanceAllowed() override { return true; }

    void initialise (const juce::String& commandLine) override;
    void shutdown() override;
    void anotherInstanceStarted (const juce::String& commandLine) override;
    void systemRequestedQuit() override;

    juce::ApplicationCommandTarget* getNextCommandTarget() override { return nullptr; }
    void getAllCommands (juce::Array<juce::CommandID>& commands) override;
    void getCommandInfo (juce::CommandID commandId, juce::ApplicationCommandInfo& result) override;
    bool perform (const InvocationInfo& info) override;

    /** Prints the answer to --help or --version, or a complaint about a bad option, and says
        whether the program should end with the given exit code instead of starting. */
    static bool answersWithoutStarting (const CommandLineOptions& options, const juce::String& programName,
                                        int& exitCode);

private:
    /** True once this process is the running instance; otherwise it handed its command line
        over, or found the running instance too busy to answer (reported), and should end. */
    bool becomeRunningInstance (const CommandLineOptions& options);

    /** Keeps the edited presets for the next start from now on, and offers what an earlier run
        left behind. */
    void startRecovery();
    void offerRecovery (std::vector<RecoveryStore::Entry> entries);
    void recover (const std::vector<RecoveryStore::Entry>& entries);

    /** A signal's end: the edits go to the recovery store, and no question is asked. */
    void endWithoutAsking (int signal);

    const ModelConstants constants;
    NativeAlertPresenter alerts;
    NativeFileChooserPresenter fileChooser;
    std::unique_ptr<AppSettings> settings;
    std::unique_ptr<MidiSetup> midiSetup;
    std::unique_ptr<ApplicationShell> shell;
    std::unique_ptr<InstanceHandOver> handOver;
    std::unique_ptr<RecoveryStore> recoveryStore;
    std::unique_ptr<RecoveryKeeper> recoveryKeeper;
    std::unique_ptr<TerminationWatch> terminationWatch;
    bool ending = false; // by a signal or a lost display
    juce::SharedResourcePointer<juce::TooltipWindow> tooltips;
};
