#pragma once

#include "app/AppSettings.h"
#include "app/MainMenuModel.h"
#include "app/ModelResources.h"
#include "app/alerts/NativeSaveChangesPresenter.h"
#include "app/alerts/NativeStopSendPresenter.h"
#include "app/desktop/DesktopDocumentViewer.h"
#include "app/dialogs/AboutWindow.h"
#include "app/dialogs/DeviceManagerWindow.h"
#include "app/dialogs/KeyboardSlotsWindow.h"
#include "app/editor/WindowManager.h"
#include "engine/files/RecoveryStore.h"
#include "model/ModelConstants.h"

/** Everything the application does, apart from the framework's start and event loop: the
    application commands, the menu, the window manager, and the about and device-setup windows.
    The application object owns one; tests drive one directly. */
class ApplicationShell :
    public juce::ApplicationCommandTarget,
    private MainMenuModel::Lists,
    private juce::FocusChangeListener
{
public:
    struct Setup
    {
        juce::String applicationName;
        ModelConstants constants;
        ModelResources& resources;
        KeyboardLink& keyboard;
        AlertPresenter& alerts;
        FileChooserPresenter& fileChooser;

        /** The recent files and the choosers' folder are kept there. */
        AppSettings& settings;

        /** Asked to end the program (after the about and device-setup windows are gone). */
        std::function<void()> quitApplication;

        /** Asks before edits are lost; the framework's alert window when none is given. */
        SaveChangesPresenter* saveChanges = nullptr;

        /** Asks before a closing window's send is stopped; the framework's alert window when none is given. */
        StopSendPresenter* stopSend = nullptr;
    };

    /** Creates the command manager, the menu and the window manager, and registers the
        application's commands; opens no window yet. */
    explicit ApplicationShell (Setup setup);

    /** Deletes the about and device-setup windows, then every editor window. */
    ~ApplicationShell() override;

    /** The start: a new untitled window, or the named preset file in one. A settings file that
        had to be set aside is reported in an alert: started from the desktop, the program has
        no terminal to tell. */
    void start (const juce::String& commandLine);

    /** A command line handed over by a second launch or the desktop: its file opens in the
        active editor window, or in a new one when no editor window is active; without a file
        the editor windows come to the front (a new one opens when there is none). Options in
        it are ignored. */
    void anotherInstanceStarted (const juce::String& commandLine);

    /** Quit's first half: the about and device-setup windows go. */
    void closeAuxiliaryWindows();

    /** Quit: each window holding edits asks first ("Cancel" in any stops the quit); then the
        about and device-setup windows go and the program is asked to end. */
    void quitAfterAsking();

    /** Ends typing in every editor window, as every command does before it acts. */
    void commitEdits();

    EditorWindow* openNewEditorWindow();

    /** A window holding a preset from the recovery store, with the file and title it had, and
        marked edited. */
    EditorWindow* openRecoveredWindow (const RecoveryStore::Entry& entry);
    void chooseAndOpenFile();
    void openUserGuide();
    void showAboutWindow();
    void showDeviceManagerWindow();
    void showKeyboardSlotsWindow();

    /** Where the user guide is looked for, the first place first. */
    juce::Array<juce::File> userGuideLocations() const;

    //==============================================================================
    juce::ApplicationCommandTarget* getNextCommandTarget() override { return nullptr; }
    void getAllCommands (juce::Array<juce::CommandID>& commands) override;
    void getCommandInfo (juce::CommandID commandId, juce::ApplicationCommandInfo& result) override;
    bool perform (const InvocationInfo& info) override;

    WindowManager& getWindowManager() const { return *windowManager; }
    juce::ApplicationCommandManager& getCommandManager() const { return *commandManager; }
    MainMenuModel& getMenuModel() const { return *mainMenuModel; }
    AboutWindow* getAboutWindow() const { return aboutWindow.get(); }
    DeviceManagerWindow* getDeviceManagerWindow() const { return deviceManagerWindow.get(); }
    KeyboardSlotsWindow* getKeyboardSlotsWindow() const { return keyboardSlotsWindow.get(); }
    juce::File getLastLocation() const { return setup.settings.getLastFolder(); }

private:
    class CommandManager;

    void openFile (const juce::File& file, EditorWindow* window);
    EditorWindow* openEditorWindowWith (const QXEditorEngine::Bytes& preset);
    void quitWithTheLastWindow();
    void guideNotShown (const juce::File& guide);
    void openSlot (juce::uint8 slot);

    /** Keeps the name a get or send left in a slot, and shows it in the slot list. */
    void rememberSlotName (juce::uint8 slot, const juce::String& name);

    /** The editor window that last had the keyboard focus: the one in front of the others
        while a window of the whole program is active. */
    EditorWindow* frontEditorWindow() const;
    void globalFocusChanged (juce::Component* focused) override;
    void sendFrontPresetTo (juce::uint8 slot);
    void chooseFolderForSlots (bool backUp);
    void restoreAllFrom (const juce::File& folder);
    void slotsAlert (const juce::String& message);

    /** Remembers the "Interface Size" chosen and applies it to every window. */
    void setInterfaceSize (int percent);

    juce::StringArray getWindowNames() override;
    int getFrontWindow() override;
    void showWindow (int index) override;
    juce::Array<juce::File> getRecentFiles() override { return setup.settings.getRecentFiles(); }
    void openRecentFile (const juce::File& file) override;

    Setup setup;
    NativeSaveChangesPresenter nativeSaveChanges;
    NativeStopSendPresenter nativeStopSend;
    const juce::uint8 highestSplitPoint;
    std::unique_ptr<juce::ApplicationCommandManager> commandManager;
    std::unique_ptr<MainMenuModel> mainMenuModel;
    std::unique_ptr<WindowManager> windowManager;
    juce::WeakReference<AboutWindow> aboutWindow;
    juce::WeakReference<DeviceManagerWindow> deviceManagerWindow;
    juce::WeakReference<KeyboardSlotsWindow> keyboardSlotsWindow;
    juce::Component::SafePointer<EditorWindow> lastFocusedEditor;
    DesktopDocumentViewer guideViewer { [this] (const juce::File& guide) { guideNotShown (guide); } };

    JUCE_DECLARE_WEAK_REFERENCEABLE (ApplicationShell)
    JUCE_DECLARE_NON_COPYABLE (ApplicationShell)
};
