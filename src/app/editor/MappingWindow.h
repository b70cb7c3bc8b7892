#pragma once

#include "views/mapping/MappingTableComponent.h"

/** The "Mapping" window of one editor window: its preset's whole mapping as a table. Closing it
    hides it; the editor window owns it and shows it again from the "Window" menu. */
class MappingWindow : public juce::DocumentWindow
{
public:
    MappingWindow (const juce::String& documentName, QXEditorEngine::Ptr engine);

    static juce::String titleFor (const juce::String& documentName);

    MappingTableComponent& getTable() { return *table; }

    void closeButtonPressed() override { setVisible (false); }

    /** The table takes the keys whenever the window comes to the front. */
    void activeWindowStatusChanged() override;

private:
    MappingTableComponent* table;

    JUCE_DECLARE_NON_COPYABLE (MappingWindow)
};
