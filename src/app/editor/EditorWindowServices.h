#pragma once

#include "app/AppSettings.h"
#include "app/alerts/AlertPresenter.h"
#include "app/alerts/SaveChangesPresenter.h"
#include "app/alerts/StopSendPresenter.h"
#include "app/desktop/FileChooserPresenter.h"

/** What every editor window borrows from the application: the way to show alerts and file
    choosers, the settings that keep the recent files and the choosers' folder, the program's name for titles, the menu bar model, the application's command
    target, which follows each window in the command chain, and the command manager, whose keys
    work in the window's dialogs too. */
struct EditorWindowServices
{
    AlertPresenter& alerts;
    FileChooserPresenter& fileChooser;
    AppSettings& settings;
    juce::String applicationName;
    juce::MenuBarModel* menuModel = nullptr;
    juce::ApplicationCommandTarget* applicationTarget = nullptr;
    juce::ApplicationCommandManager* commandManager = nullptr;

    /** Asks before an edited preset's window closes; the application always gives one. */
    SaveChangesPresenter* saveChanges = nullptr;

    /** Asks before a closing window's send is stopped; without one a close waits for the send. */
    StopSendPresenter* stopSend = nullptr;

    /** The slot names known for the keyboard in use; none when not given. */
    std::function<std::vector<std::optional<juce::String>>()> slotNames;

    /** Told the slot and preset name whenever a get or send of this window ends well. */
    std::function<void (juce::uint8 slot, const juce::String& name)> slotTouched;
};
