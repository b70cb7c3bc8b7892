#pragma once

#include "model/PresetModel.h"
#include "model/controls/ParameterEdit.h"

#include <array>
#include <functional>
#include <optional>
#include <vector>

/** The whole mapping of a preset, one row per control a musician plays (keybed or its two
    zones, roll mode, transport buttons, wheels, sustain, knobs, pads, switches), with what each
    sends and the controls sending the same CC or note on the same channel. It reads the model
    and turns typed cells and batch commands into parameter edits, checked against the same
    ranges and display offsets the section views use; the engine applies them. */
class MappingTable
{
public:
    enum Column
    {
        controlColumn,
        modeColumn,
        channelColumn,
        messageColumn,
        firstValueColumn,
        secondValueColumn,
        midiToDinColumn,
        conflictsColumn,
        numColumns
    };

    /** What one cell shows and edits: a parameter of a control, or a fixed text. */
    struct Cell
    {
        int groupId = -1; // -1: the cell shows fixedText and edits nothing
        int index = 0;
        juce::String parameterName;
        juce::String label;      // before the value: "CC", "Min"
        juce::StringArray items; // choices by byte value; empty for a number
        int valueOffset = 0;     // shown = stored + offset
        juce::String fixedText;

        bool isEditable() const { return groupId >= 0; }
    };

    struct Row
    {
        int groupId = 0;
        int index = 0;
        juce::String title;
        std::array<Cell, numColumns> cells;
        juce::StringArray conflicts; // titles of the rows sending the same
    };

    /** Edits to apply as one undo step, or, when refusal is set, none. */
    struct Edits
    {
        std::vector<ParameterEdit> edits;
        juce::String refusal;
    };

    /** A control's settings as copied: its kind and its values by parameter name. */
    struct Settings
    {
        int groupId = -1;
        std::vector<std::pair<juce::String, juce::uint8>> values;
    };

    explicit MappingTable (const PresetModel& model);

    static const juce::StringArray& columnNames();

    /** Reads the model again: the rows (a mode or split change changes them) and the conflicts. */
    void refresh();

    int getNumRows() const { return static_cast<int> (rows.size()); }
    const Row& getRow (int row) const { return rows[static_cast<size_t> (row)]; }
    juce::String getCellText (int row, int column) const;

    /** Pairs of rows sending the same CC or note on the same channel. */
    int getNumConflicts() const { return numConflicts; }
    static juce::String describeConflicts (int count);

    /** The edit that typing the text into the cell makes: a number as the cell shows it, or one
        of its choices. */
    Edits editCell (int row, int column, const juce::String& text) const;

    Edits setChannel (const juce::Array<int>& selectedRows, int channel) const;
    Edits setMode (const juce::Array<int>& selectedRows, const juce::String& modeName) const;

    /** The CC, note or program of each row, from first upward in the order given. */
    Edits numberInSequence (const juce::Array<int>& selectedRows, int first) const;

    Settings copySettings (int row) const;

    /** Settings as clipboard text, so they can be pasted in any window; nullopt for other text. */
    static juce::String settingsToText (const Settings& settings);
    static std::optional<Settings> settingsFromText (const juce::String& text);

    /** The row showing that control (the first, for the keybed and the wheels); -1 for none. */
    int rowOf (int groupId, int index) const;
    Edits pasteSettings (const Settings& settings, const juce::Array<int>& selectedRows) const;

    /** The table as CSV: the column names, then one line per row. */
    juce::String toCsv() const;

private:
    void addRow (int groupId, int index, const juce::String& title, std::array<Cell, numColumns> cells);
    void addKeybedRows();
    void addModeRow (int groupId, int index, const juce::String& dinName);
    void findConflicts();

    Cell cell (int groupId, int index, const juce::String& parameterName, const juce::String& label = {},
               int valueOffset = 0) const;
    Cell choiceCell (int groupId, int index, const juce::String& parameterName, const juce::StringArray& items) const;
    Cell dinCell (const juce::String& name) const;
    static Cell fixedCell (const juce::String& text);

    juce::String cellText (const Cell& cell) const;
    juce::uint8 storedValue (const Cell& cell) const;

    /** The edit that shows the value in the cell; refused, naming the row, when out of range. */
    Edits editShown (const Row& row, const Cell& cell, int shownValue) const;
    Edits forEachRow (const juce::Array<int>& selectedRows,
                      const std::function<Edits (const Row&, int position)>& editOf) const;

    const PresetModel& model;
    std::vector<Row> rows;
    int numConflicts = 0;
};
