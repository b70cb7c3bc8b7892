#pragma once

#include "engine/QXEditorEngine.h"
#include "model/mapping/MappingTable.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <optional>

/** The mapping of one window's preset as a spreadsheet: one row per control, cells typed into
    in place (Return or F2 on the current cell), rows sorted by any column, batches over the
    selected rows and the settings of one control copied onto others (Ctrl+C, Ctrl+V). Every
    change goes through the engine as one undo step, so the section views follow it, and the
    table follows every change of the preset. */
class MappingTableComponent :
    public juce::Component,
    private juce::TableListBoxModel,
    private QXEditorEngine::Listener,
    private juce::Timer
{
public:
    static constexpr int rowHeight = 22;
    static constexpr int buttonRowHeight = 40;

    explicit MappingTableComponent (QXEditorEngine::Ptr engine);
    ~MappingTableComponent() override;

    /** Asked to show a control's section (a double-click on its row). */
    std::function<void (int groupId, int index)> onShowControl;

    /** Asked to export the table (the "Export Mapping…" button). */
    std::function<void()> onExport;

    const MappingTable& getTable() const { return table; }
    juce::TableListBox& getListBox() { return listBox; }
    juce::String getConflictText() const { return conflictLabel.getText(); }

    /** The table row shown at that position (rows may be sorted). */
    int tableRowAt (int shownRow) const;

    /** The selected table rows, in the order shown. */
    juce::Array<int> getSelectedRows() const;

    void setCurrentCell (int shownRow, int column);
    int getCurrentColumn() const { return currentColumn; }

    /** Types the text into the current cell; false, the cell flashing, when it is refused. */
    bool enterText (const juce::String& text);

    /** Applies the edits as one undo step; a refusal is shown instead and nothing changes. */
    bool apply (const MappingTable::Edits& edits);

    void copySettings();
    void pasteSettings();

    /** Gives the table the keyboard focus unless a cell is being typed into. */
    void takeKeys();

    void askForChannel();
    void askForMode();
    void askForSequence();

    /** The last batch refusal shown (tests read it). */
    const juce::String& getLastRefusal() const { return lastRefusal; }

    void resized() override;
    void paint (juce::Graphics& g) override;
    bool keyPressed (const juce::KeyPress& key) override;

private:
    int getNumRows() override { return table.getNumRows(); }
    void paintRowBackground (juce::Graphics&, int row, int width, int height, bool selected) override;
    void paintCell (juce::Graphics&, int row, int columnId, int width, int height, bool selected) override;
    void cellClicked (int row, int columnId, const juce::MouseEvent&) override;
    void cellDoubleClicked (int row, int columnId, const juce::MouseEvent&) override;
    void sortOrderChanged (int columnId, bool forwards) override;
    void returnKeyPressed (int row) override;
    void selectedRowsChanged (int) override { listBox.repaint(); }

    void midiCommunicationFailed (const juce::String&) override {}
    void presetFileFailed (const juce::String&) override {}
    void presetChanged() override { refresh(); }
    void timerCallback() override;

    void refresh();
    void sortRows();
    void startEditing();
    void finishEditing (bool keep);
    void showRefusal (const juce::String& refusal);

    /** Asks for one value in a small dialog and hands it to the batch. */
    void ask (const juce::String& title, const juce::String& label, const juce::StringArray& choices,
              std::function<MappingTable::Edits (const juce::String&)> batch);

    QXEditorEngine::Ptr engine;
    MappingTable table;
    std::vector<int> order;
    int sortColumn = 0;
    bool sortForwards = true;
    int currentColumn = MappingTable::messageColumn;
    int editedRow = -1;
    int flashRow = -1, flashColumn = -1;
    juce::String lastRefusal;

    juce::TableListBox listBox;
    juce::TextEditor cellEditor;
    juce::Label conflictLabel;
    juce::TextButton channelButton { juce::String::fromUTF8 ("Set Channel\xe2\x80\xa6") };
    juce::TextButton modeButton { juce::String::fromUTF8 ("Set Mode\xe2\x80\xa6") };
    juce::TextButton sequenceButton { juce::String::fromUTF8 ("Number in Sequence\xe2\x80\xa6") };
    juce::TextButton exportButton { juce::String::fromUTF8 ("Export Mapping\xe2\x80\xa6") };
    std::unique_ptr<juce::AlertWindow> dialog;

    JUCE_DECLARE_WEAK_REFERENCEABLE (MappingTableComponent)
    JUCE_DECLARE_NON_COPYABLE (MappingTableComponent)
};
