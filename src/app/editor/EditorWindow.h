#pragma once

#include "app/alerts/MidiErrorAlertWindow.h"
#include "app/alerts/TitledAlertWindow.h"
#include "app/dialogs/GetPresetWindow.h"
#include "app/dialogs/SendPresetWindow.h"
#include "app/editor/EditorWindowServices.h"
#include "app/editor/MappingWindow.h"
#include "app/editor/WindowCloseListener.h"
#include "engine/QXEditorEngine.h"
#include "views/TransferStatusStrip.h"

#include <optional>

class EditorComponent;

/** One open preset: the editor content below the menu bar, the commands that act on this
    preset, the file it was saved to or loaded from, its get and send dialogs and its alerts.
    A preset file dropped on the window opens in it. */
class EditorWindow :
    public juce::DocumentWindow,
    public juce::ApplicationCommandTarget,
    public juce::Button::Listener,
    public QXEditorEngine::Listener,
    public juce::FileDragAndDropTarget
{
public:
    /** Takes ownership of the content; untitledName ("Untitled 1") names the preset until it
        has a file. */
    EditorWindow (const juce::String& untitledName, EditorComponent* content, QXEditorEngine::Ptr engine,
                  WindowCloseListener* closeListener, const EditorWindowServices& services);
    ~EditorWindow() override;

    void addCloseListener (WindowCloseListener* listener);

    /** Loads the file; on success the window takes it as its current file and title, otherwise
        the file error box reports it and nothing changes. */
    bool openPresetFile (const juce::File& file);

    /** Opens the file as the user asked for it (Load From File, a drop, a hand-over): a window
        holding edits first asks whether to save them, as closing does. */
    void openPresetFileAfterAsking (const juce::File& file);

    void save();
    void saveAs();

    /** Saves as save does and tells whether the file was written (false when the user
        cancelled the file chooser or the write failed). */
    void saveThen (std::function<void (bool saved)> done);
    void loadFromFile();
    void openGetPresetWindow();
    void openSendPresetWindow();

    /** Shows the window's "Mapping" window in front, making it the first time. */
    void showMappingWindow();
    MappingWindow* getMappingWindow() const { return mappingWindow.get(); }

    /** Closes unless the preset holds edits the user wants to keep: an edited window asks
        first (UnsavedChangesGuard). */
    void closeWindow();

    /** Closing's first step: cancels the window's get (it would replace the preset the user is
        asked about) and, while a send writes a slot, asks whether to stop it; "Keep Sending"
        waits for its end. Then runs next, also when the window has been deleted meanwhile. */
    void settleTransfersThen (std::function<void()> next);

    /** Tells the close listeners, which may delete the window inside the call. */
    void closeNow();

    /** Commits a value being typed, then tells whether the preset differs from what was last
        loaded, saved, got or sent. */
    bool hasUnsavedEdits();

    /** The name the window's preset goes by: its file's, or "Untitled N". */
    const juce::String& getDocumentName() const { return documentName; }

    /** The preset came back from a recovery file (the engine holds it): an untitled one keeps the
        name it had before. */
    void showRecovered (const juce::String& documentTitle);

    /** The window title for a document: "program - document", or "program - *document" when
        it holds edits, as GNOME programs mark them. */
    static juce::String titleFor (const juce::String& applicationName, const juce::String& document,
                                  bool edited = false);

    /** Ends typing in a number box as leaving it would; every command that reads, writes or
        replaces the preset does this first. */
    void commitEdits();

    const juce::File& getCurrentFile() const { return engine->getPresetFile(); }
    QXEditorEngine& getEngine() const { return *engine; }
    EditorComponent& getEditorComponent() const;
    GetPresetWindow* getGetPresetWindow() const { return getPresetWindow.get(); }
    SendPresetWindow* getSendPresetWindow() const { return sendPresetWindow.get(); }
    TransferStatusStrip& getTransferStatus() const { return *transferStatus; }

    //==============================================================================
    juce::ApplicationCommandTarget* getNextCommandTarget() override;
    void getAllCommands (juce::Array<juce::CommandID>& commands) override;
    void getCommandInfo (juce::CommandID commandId, juce::ApplicationCommandInfo& result) override;
    bool perform (const InvocationInfo& info) override;

    void buttonClicked (juce::Button* button) override;
    void closeButtonPressed() override;

    /** Ctrl+Z undoes, Ctrl+Shift+Z and Ctrl+Y redo; a text box being typed into keeps them. */
    bool keyPressed (const juce::KeyPress& key) override;

    void transferChanged (const TransferStatus& status) override;
    void transferSucceeded (TransferStatus::Kind kind, juce::uint8 slot) override;
    void midiCommunicationFailed (const juce::String& message) override;
    void presetFileFailed (const juce::String& fileName) override;
    void sendRefused (const juce::String& reason) override;
    void editedChanged (bool edited) override;

    bool isInterestedInFileDrag (const juce::StringArray& files) override;
    void filesDropped (const juce::StringArray& files, int x, int y) override;

    /** A window moved off the work area, by the window manager placing or framing it or by the
        user, is fitted back onto it (see ScreenFit). */
    void moved() override;

    /** Scales the whole window down where the screen is too small for it (see ScreenFit). */
    void setFitScale (float scale) { fitScale = scale; }
    float getDesktopScaleFactor() const override;

    virtual void showMidiErrorAlert();
    virtual void showFileErrorAlert (const juce::String& fileName);

private:
    void showFileError (const juce::String& message);
    DesktopDialogWindow::Context dialogContext();
    void chooseFileToSave (const juce::File& start, std::function<void (bool saved)> done);
    void saveChosenFile (const juce::File& chosen, std::function<void (bool saved)> done);
    bool saveToFile (const juce::File& file, bool chosenByUser);
    void saveAsThen (std::function<void (bool saved)> done);
    void updateTitle();
    bool isPresetFileName (const juce::File& file, bool ignoreCase) const;
    juce::String firstPresetFile (const juce::StringArray& files) const;
    void whenSendEnds (std::function<void()> next);
    void exportMapping();

    QXEditorEngine::Ptr engine;
    juce::Array<WindowCloseListener*> closeListeners;
    juce::String untitledName;
    juce::String documentName;
    juce::WeakReference<SendPresetWindow> sendPresetWindow;
    juce::WeakReference<GetPresetWindow> getPresetWindow;
    juce::WeakReference<MidiErrorAlertWindow> midiErrorAlert;
    juce::WeakReference<TitledAlertWindow> fileErrorAlert;
    juce::WeakReference<TitledAlertWindow> sendRefusedAlert;
    std::unique_ptr<TransferStatusStrip> transferStatus;
    std::unique_ptr<MappingWindow> mappingWindow;
    EditorWindowServices services;
    float fitScale = 1.0f;
    bool fitting = false;
    std::unique_ptr<juce::TooltipWindow> tooltips;
    std::optional<TransferStatus> runningSend;
    std::vector<std::function<void()>> afterSend;

    JUCE_DECLARE_WEAK_REFERENCEABLE (EditorWindow)
    JUCE_DECLARE_NON_COPYABLE (EditorWindow)
};
