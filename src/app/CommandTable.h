#pragma once

#include "app/CommandIds.h"

/** The short name and default key of every command, shared by the application and the editor
    windows so a command reads the same wherever it is listed. */
class CommandTable
{
public:
    /** Fills name, category "General", no flags and the default key (with the command modifier,
        Ctrl here). An unknown id is left untouched. */
    static void fillCommandInfo (juce::CommandID commandId, juce::ApplicationCommandInfo& info);

    /** The interface size a command of the "Interface Size" menu chooses, or -1. */
    static int interfaceSizeOf (juce::CommandID commandId);

    /** The commands the application handles, in the order it lists them. */
    static juce::Array<juce::CommandID> applicationCommands();

    /** The seven commands an editor window handles, in the order it lists them. */
    static juce::Array<juce::CommandID> editorWindowCommands();
};
