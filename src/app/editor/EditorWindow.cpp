#include "app/editor/EditorWindow.h"

#include "app/CommandTable.h"
#include "app/desktop/ScreenFit.h"
#include "app/dialogs/SendPresetComponent.h"
#include "app/editor/UnsavedChangesGuard.h"
#include "engine/files/FileAccess.h"
#include "print/MappingSheet.h"
#include "views/EditorComponent.h"

using namespace CommandIds;

namespace
{
const juce::Colour windowBackground (0xFF1B1B1B);
const juce::String openTitle ("Select Filename to open");
const juce::String saveTitle ("Select Filename to save");
} // namespace

EditorWindow::EditorWindow (const juce::String& untitledNameIn, EditorComponent* content, QXEditorEngine::Ptr engineIn,
                            WindowCloseListener* closeListener, const EditorWindowServices& servicesIn)
    : juce::DocumentWindow (titleFor (servicesIn.applicationName, untitledNameIn), windowBackground,
                            juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton, false),
      engine (std::move (engineIn)),
      untitledName (untitledNameIn),
      documentName (untitledNameIn),
      services (servicesIn)
{
    content->addMainSectionButtonListener (this);
    transferStatus = std::make_unique<TransferStatusStrip> (engine, TransferStatusStrip::Conflicts::counted);
    content->addChildComponent (*transferStatus);
    transferStatus->setBounds (
        content->getLocalBounds().removeFromBottom (TransferStatusStrip::height).reduced (300, 0));

    // Configured before it has a native window, so that one is made only once, when the window
    // manager puts it on the desktop. Without a global menu bar the menus sit at the top of
    // each window, above the content, which keeps its full size.
    setMenuBar (services.menuModel);
    setUsingNativeTitleBar (true);
    setContentOwned (content, true);
    centreWithSize (getWidth(), getHeight());
    setResizable (false, false);

    // The number boxes tell their ranges as tooltips.
    tooltips = std::make_unique<juce::TooltipWindow> (getContentComponent());

    addCloseListener (closeListener);
}

EditorWindow::~EditorWindow()
{
    masterReference.clear();

    // A close or quit waiting for the send goes on without this window.
    for (auto& next : std::exchange (afterSend, {}))
        juce::MessageManager::callAsync (std::move (next));

    delete sendPresetWindow.get();
    delete getPresetWindow.get();
    engine->removeListener (this);
    mappingWindow.reset();
    tooltips.reset();
    transferStatus.reset();
    engine->cancelTransfers();
    setMenuBar (nullptr);
    clearContentComponent();
}

EditorComponent& EditorWindow::getEditorComponent() const
{
    return *static_cast<EditorComponent*> (getContentComponent());
}

void EditorWindow::addCloseListener (WindowCloseListener* listener)
{
    if (listener != nullptr)
        closeListeners.addIfNotAlreadyThere (listener);
}

//==============================================================================
bool EditorWindow::openPresetFile (const juce::File& file)
{
    commitEdits();

    if (! engine->loadPresetFile (file))
    {
        showFileErrorAlert (file.getFileName());
        return false;
    }

    services.settings.addRecentFile (file);
    updateTitle();
    return true;
}

void EditorWindow::openPresetFileAfterAsking (const juce::File& file)
{
    commitEdits();

    if (services.saveChanges == nullptr)
        return (void) openPresetFile (file);

    // The question is the closing one: the preset shown now goes either way.
    juce::Component::SafePointer<EditorWindow> window (this);
    UnsavedChangesGuard::confirmClose (*this, *services.saveChanges, [window, file] (bool mayReplace) {
        if (window != nullptr && mayReplace)
            window->openPresetFile (file);
    });
}

void EditorWindow::save()
{
    saveThen ({});
}

void EditorWindow::saveAs()
{
    saveAsThen ({});
}

void EditorWindow::saveThen (std::function<void (bool saved)> done)
{
    commitEdits();

    if (! getCurrentFile().existsAsFile())
        return saveAsThen (std::move (done));

    const auto saved = saveToFile (getCurrentFile(), false);

    if (done)
        done (saved);
}

void EditorWindow::saveAsThen (std::function<void (bool saved)> done)
{
    commitEdits();
    chooseFileToSave (services.settings.getLastFolder(), std::move (done));
}

void EditorWindow::chooseFileToSave (const juce::File& start, std::function<void (bool saved)> done)
{
    juce::Component::SafePointer<EditorWindow> window (this);

    services.fileChooser.chooseFileToSave (saveTitle, start, engine->getFilePattern(),
                                           [window, done] (const juce::File& chosen) {
                                               if (window != nullptr && chosen != juce::File())
                                                   return window->saveChosenFile (chosen, done);
                                               if (done)
                                                   done (false);
                                           });
}

void EditorWindow::saveChosenFile (const juce::File& chosen, std::function<void (bool saved)> done)
{
    auto named = chosen;

    // As the open dialog matches names: it must list the file saved.
    if (! isPresetFileName (chosen, ! juce::File::areFileNamesCaseSensitive()))
    {
        // A name without the extension (or with a dot of its own, "gig v1.2") would make a file
        // the open dialog then hides: the extension is added, never put in place of a part.
        named =
            juce::File (chosen.getFullPathName() + engine->getFilePattern().fromLastOccurrenceOf ("*", false, false));

        // The chooser warned only about the name as typed: an existing file is offered again by
        // its full name, where the chooser asks before overwriting it.
        if (named.exists())
            return chooseFileToSave (named, std::move (done));
    }

    const auto saved = saveToFile (named, true);

    if (done)
        done (saved);
}

bool EditorWindow::saveToFile (const juce::File& file, bool chosenByUser)
{
    // A file that could not be written is not this window's file: title and file stay.
    if (const auto saved = engine->savePresetFile (file); saved.failed())
    {
        showFileError (TitledAlertWindow::savingMessage (file.getFileName(), saved.getErrorMessage()));
        return false;
    }

    if (chosenByUser)
        services.settings.setLastFolder (file.getParentDirectory());

    services.settings.addRecentFile (file);
    updateTitle();
    return true;
}

void EditorWindow::loadFromFile()
{
    commitEdits();
    juce::Component::SafePointer<EditorWindow> window (this);

    services.fileChooser.chooseFileToOpen (openTitle, services.settings.getLastFolder(), engine->getFilePattern(),
                                           [window] (const juce::File& chosen) {
                                               if (window == nullptr || chosen == juce::File())
                                                   return;

                                               window->services.settings.setLastFolder (chosen.getParentDirectory());
                                               window->openPresetFileAfterAsking (chosen);
                                           });
}

void EditorWindow::updateTitle()
{
    const auto& file = getCurrentFile();
    documentName = file == juce::File() ? untitledName : file.getFileNameWithoutExtension();
    setName (titleFor (services.applicationName, documentName, engine->hasUnsavedEdits()));

    if (mappingWindow != nullptr)
        mappingWindow->setName (MappingWindow::titleFor (documentName));
}

void EditorWindow::showMappingWindow()
{
    if (mappingWindow == nullptr)
    {
        mappingWindow = std::make_unique<MappingWindow> (documentName, engine);
        auto& table = mappingWindow->getTable();
        juce::Component::SafePointer<EditorWindow> window (this);

        table.onShowControl = [window] (int groupId, int index) {
            if (window == nullptr)
                return;
            window->getEditorComponent().showControl (groupId, index);
            window->toFront (true);
        };
        table.onExport = [window] {
            if (window != nullptr)
                window->exportMapping();
        };
    }

    mappingWindow->addToDesktop();
    mappingWindow->setVisible (true);
    mappingWindow->toFront (true);
    mappingWindow->getTable().takeKeys();
}

void EditorWindow::exportMapping()
{
    juce::Component::SafePointer<EditorWindow> window (this);
    const auto start = services.settings.getLastFolder().getChildFile (documentName + ".csv");

    services.fileChooser.chooseFileToSave ("Export Mapping", start, "*.csv;*.pdf", [window] (const juce::File& chosen) {
        if (window == nullptr || chosen == juce::File() || window->mappingWindow == nullptr)
            return;

        const auto& table = window->mappingWindow->getTable().getTable();
        const auto csv = table.toCsv().toStdString();
        const auto written = chosen.hasFileExtension ("pdf")
                                 ? MappingSheet::write (table, MappingSheet::presetNameOf (window->engine->getModel()),
                                                        MappingSheet::paperOfLocale(), chosen)
                                 : FileAccess::replaceAtomically (chosen, csv.data(), csv.size());

        if (written.failed())
            window->showFileError (written.getErrorMessage());
    });
}

void EditorWindow::showRecovered (const juce::String& documentTitle)
{
    untitledName = documentTitle;
    updateTitle();
}

juce::String EditorWindow::titleFor (const juce::String& applicationName, const juce::String& document, bool edited)
{
    return applicationName + " - " + (edited ? "*" : "") + document;
}

//==============================================================================
void EditorWindow::openGetPresetWindow()
{
    if (getPresetWindow != nullptr)
        return;

    getPresetWindow = new GetPresetWindow (engine, dialogContext());

    if (services.slotNames)
        getPresetWindow->getContent().showSlotNames (services.slotNames());
}

void EditorWindow::openSendPresetWindow()
{
    if (sendPresetWindow != nullptr)
        return;

    sendPresetWindow = new SendPresetWindow (engine, dialogContext());
    auto& content = static_cast<SendPresetComponent&> (sendPresetWindow->getContent());

    if (services.slotNames)
        content.showSlotNames (services.slotNames());

    if (const auto slot = engine->getSourceSlot())
        content.startAt (*slot + 1);
}

DesktopDialogWindow::Context EditorWindow::dialogContext()
{
    return { this, services.commandManager };
}

void EditorWindow::closeWindow()
{
    commitEdits();
    juce::Component::SafePointer<EditorWindow> window (this);
    const auto closeIfAllowed = [window] (bool mayClose) {
        if (window != nullptr && mayClose)
            window->closeNow();
    };

    if (services.saveChanges == nullptr)
        return settleTransfersThen ([closeIfAllowed] { closeIfAllowed (true); });

    UnsavedChangesGuard::confirmClose (*this, *services.saveChanges, closeIfAllowed);
}

void EditorWindow::settleTransfersThen (std::function<void()> next)
{
    engine->cancelGet();

    if (! runningSend.has_value())
        return next();

    juce::Component::SafePointer<EditorWindow> window (this);
    const auto keepSending = [window, next] { window != nullptr ? window->settleTransfersThen (next) : next(); };

    if (services.stopSend == nullptr)
        return whenSendEnds (keepSending);

    services.stopSend->askToStopSend (runningSend->slot + 1, [window, next, keepSending] (bool stop) {
        if (window == nullptr)
            return next();

        if (! stop)
            return window->whenSendEnds (keepSending);

        window->engine->cancelTransfers();
        next();
    });
}

void EditorWindow::whenSendEnds (std::function<void()> next)
{
    if (runningSend.has_value())
        afterSend.push_back (std::move (next));
    else
        next();
}

void EditorWindow::transferChanged (const TransferStatus& status)
{
    if (status.kind != TransferStatus::Kind::send)
        return;

    if (! status.isFinished())
    {
        runningSend = status;
        return;
    }

    runningSend.reset();

    // The engine takes the send's end in (its clean point) after telling its listeners, so a close
    // waiting for it goes on afterwards.
    for (auto& next : std::exchange (afterSend, {}))
        juce::MessageManager::callAsync (std::move (next));
}

// A sync writes the edit buffer, no slot, so only gets and sends name a slot.
void EditorWindow::transferSucceeded (TransferStatus::Kind kind, juce::uint8 slot)
{
    if ((kind == TransferStatus::Kind::get || kind == TransferStatus::Kind::send) && services.slotTouched)
        services.slotTouched (slot, engine->getPresetName());
}

bool EditorWindow::hasUnsavedEdits()
{
    commitEdits();
    return engine->hasUnsavedEdits();
}

void EditorWindow::commitEdits()
{
    getEditorComponent().commitEdits();
}

void EditorWindow::closeNow()
{
    // A listener may delete this window; stop as soon as it has.
    juce::Component::SafePointer<EditorWindow> window (this);
    const auto listeners = closeListeners;

    for (int i = listeners.size(); --i >= 0 && window != nullptr;)
        listeners.getUnchecked (i)->windowClosed (this);
}

void EditorWindow::closeButtonPressed()
{
    closeWindow();
}

bool EditorWindow::keyPressed (const juce::KeyPress& key)
{
    const auto command = juce::ModifierKeys::commandModifier;
    const bool undoKey = key == juce::KeyPress ('z', command, 0);
    const bool redoKey = key == juce::KeyPress ('z', command | juce::ModifierKeys::shiftModifier, 0)
                         || key == juce::KeyPress ('y', command, 0);

    if (! undoKey && ! redoKey)
        return juce::DocumentWindow::keyPressed (key);

    if (! getEditorComponent().isEditingText())
    {
        // A whole preset's step brings back its file, and so the title.
        if (undoKey ? engine->undo() : engine->redo())
            updateTitle();
    }

    return true;
}

//==============================================================================
juce::ApplicationCommandTarget* EditorWindow::getNextCommandTarget()
{
    if (services.applicationTarget != nullptr)
        return services.applicationTarget;

    return findFirstTargetParentComponent();
}

void EditorWindow::getAllCommands (juce::Array<juce::CommandID>& commands)
{
    commands.addArray (CommandTable::editorWindowCommands());
}

void EditorWindow::getCommandInfo (juce::CommandID commandId, juce::ApplicationCommandInfo& result)
{
    CommandTable::fillCommandInfo (commandId, result);
}

bool EditorWindow::perform (const InvocationInfo& info)
{
    commitEdits();

    switch (info.commandID)
    {
        case saveCommand: save(); break;
        case saveAsCommand: saveAs(); break;
        case getPresetCommand: openGetPresetWindow(); break;
        case sendPresetCommand: openSendPresetWindow(); break;
        case closeWindowCommand: closeWindow(); break;
        case setInternalSyncCommand: engine->setSync (false); break;
        case setExternalSyncCommand: engine->setSync (true); break;
        case mappingWindowCommand: showMappingWindow(); break;
        default: break;
    }

    return true;
}

void EditorWindow::buttonClicked (juce::Button* button)
{
    commitEdits();
    const auto name = button->getName();

    if (name == "Send To Hardware")
        openSendPresetWindow();
    else if (name == "Get From Hardware")
        openGetPresetWindow();
    else if (name == "Save To File")
        saveAs();
    else if (name == "Load From File")
        loadFromFile();
}

void EditorWindow::moved()
{
    juce::DocumentWindow::moved();

    // Fitting moves the window too; that move needs no second fit.
    if (fitting)
        return;

    const juce::ScopedValueSetter<bool> guard (fitting, true);
    ScreenFit::keepOnScreen (*this);
}

float EditorWindow::getDesktopScaleFactor() const
{
    return fitScale * juce::DocumentWindow::getDesktopScaleFactor();
}

//==============================================================================
void EditorWindow::midiCommunicationFailed (const juce::String&)
{
    showMidiErrorAlert();
}

void EditorWindow::presetFileFailed (const juce::String& fileName)
{
    showFileErrorAlert (fileName);
}

void EditorWindow::sendRefused (const juce::String& reason)
{
    if (sendRefusedAlert == nullptr)
        sendRefusedAlert = TitledAlertWindow::show (services.alerts, TitledAlertWindow::sendRefusedTitle, reason);
}

void EditorWindow::editedChanged (bool)
{
    updateTitle();
}

void EditorWindow::showMidiErrorAlert()
{
    if (midiErrorAlert == nullptr)
        midiErrorAlert = MidiErrorAlertWindow::show (services.alerts);
}

void EditorWindow::showFileErrorAlert (const juce::String& fileName)
{
    showFileError (TitledAlertWindow::openingMessage (fileName));
}

void EditorWindow::showFileError (const juce::String& message)
{
    if (fileErrorAlert == nullptr)
        fileErrorAlert = TitledAlertWindow::show (services.alerts, TitledAlertWindow::fileErrorTitle, message);
}

//==============================================================================
bool EditorWindow::isInterestedInFileDrag (const juce::StringArray& files)
{
    return firstPresetFile (files).isNotEmpty();
}

void EditorWindow::filesDropped (const juce::StringArray& files, int, int)
{
    const auto path = firstPresetFile (files);

    if (path.isNotEmpty())
        openPresetFileAfterAsking (juce::File (path));
}

bool EditorWindow::isPresetFileName (const juce::File& file, bool ignoreCase) const
{
    return file.getFileName().matchesWildcard (engine->getFilePattern(), ignoreCase);
}

juce::String EditorWindow::firstPresetFile (const juce::StringArray& files) const
{
    for (const auto& path : files)
        if (juce::File::isAbsolutePath (path) && isPresetFileName (juce::File (path), true))
            return path;

    return {};
}
