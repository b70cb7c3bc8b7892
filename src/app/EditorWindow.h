#pragma once

#include "app/EditorWindowServices.h"
#include "app/FileErrorAlertWindow.h"
#include "app/GetPresetWindow.h"
#include "app/MidiErrorAlertWindow.h"
#include "app/SendPresetWindow.h"
#include "app/SendRefusedAlertWindow.h"
#include "app/WindowCloseListener.h"
#include "engine/QXEditorEngine.h"
#include "views/TransferStatusStrip.h"

class EditorComponent;

/** One open preset: the editor content below the menu bar, the commands that act on this
    preset, the file it was saved to or loaded from, its get and send dialogs and its alerts.
    A preset file dropped on the window opens in it. */
class EditorWindow : public juce::DocumentWindow,
                     public juce::ApplicationCommandTarget,
                     public juce::Button::Listener,
                     public QXEditorEngine::Listener,
                     public juce::FileDragAndDropTarget
{
public:
    /** Takes ownership of the content; lastLocation is the application's, shared by every
        window. */
    EditorWindow (const juce::String& title, EditorComponent* content, QXEditorEngine::Ptr engine,
                  juce::File* lastLocation, WindowCloseListener* closeListener,
                  const EditorWindowServices& services);
    ~EditorWindow() override;

    void addCloseListener (WindowCloseListener* listener);

    /** Loads the file; on success the window takes it as its current file and title, otherwise
        the file error box reports it and nothing changes. */
    bool openPresetFile (const juce::File& file);

    void save();
    void saveAs();
    void loadFromFile();
    void openGetPresetWindow();
    void openSendPresetWindow();

    /** Tells the close listeners, which may delete the window inside the call. */
    void closeWindow();

    const juce::File& getCurrentFile() const { return currentFile; }
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

    void midiCommunicationFailed (const juce::String& message) override;
    void presetFileFailed (const juce::String& fileName) override;
    void sendRefused (const juce::String& reason) override;

    bool isInterestedInFileDrag (const juce::StringArray& files) override;
    void filesDropped (const juce::StringArray& files, int x, int y) override;

    virtual void showMidiErrorAlert();
    virtual void showFileErrorAlert (const juce::String& fileName);

private:
    void showFileError (const juce::String& message);
    void saveToFile (const juce::File& file, bool chosenByUser);
    void takeFile (const juce::File& file);
    void updateTitle();
    juce::String firstPresetFile (const juce::StringArray& files) const;

    QXEditorEngine::Ptr engine;
    juce::File* lastLocation;
    juce::Array<WindowCloseListener*> closeListeners;
    juce::String currentFileName;
    juce::File currentFile;
    juce::WeakReference<SendPresetWindow> sendPresetWindow;
    juce::WeakReference<GetPresetWindow> getPresetWindow;
    juce::WeakReference<MidiErrorAlertWindow> midiErrorAlert;
    juce::WeakReference<FileErrorAlertWindow> fileErrorAlert;
    juce::WeakReference<SendRefusedAlertWindow> sendRefusedAlert;
    std::unique_ptr<TransferStatusStrip> transferStatus;
    EditorWindowServices services;

    JUCE_DECLARE_WEAK_REFERENCEABLE (EditorWindow)
    JUCE_DECLARE_NON_COPYABLE (EditorWindow)
};
