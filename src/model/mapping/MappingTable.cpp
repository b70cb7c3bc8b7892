#include "model/mapping/MappingTable.h"

#include "model/controls/ControlNames.h"
#include "model/kinds/QXKeybed.h"
#include "model/kinds/QXRollMode.h"
#include "model/kinds/QXTransport.h"
#include "model/kinds/QXWheels.h"
#include "model/mapping/MidiNames.h"

#include <optional>

using namespace ControlGroup;

namespace
{
const juce::StringArray messageNames { "CC", "Note", "Program" };
const juce::StringArray dinItems { "Off", "On" };
const juce::String settingsTag ("qx61-settings");

juce::String quotedForCsv (const juce::String& text)
{
    if (! text.containsAnyOf (",\"\n"))
        return text;
    return "\"" + text.replace ("\"", "\"\"") + "\"";
}

/** A typed number as the cell shows it: the label before it and a name after it may stay. */
std::optional<int> parseShownNumber (const juce::String& typed, const juce::String& label)
{
    auto text = typed.upToFirstOccurrenceOf (juce::CharPointer_UTF8 ("\xc2\xb7"), false, false).trim();

    if (label.isNotEmpty() && text.startsWithIgnoreCase (label))
        text = text.substring (label.length()).trim();

    const auto digits = text.startsWithChar ('-') ? text.substring (1) : text;

    if (digits.isEmpty() || ! digits.containsOnly ("0123456789") || digits.length() > 4)
        return std::nullopt;
    return text.getIntValue();
}

struct Sending
{
    bool isNote;
    int number;
    int channel; // -1: every channel (no channel of its own, or "Omni")
};
} // namespace

MappingTable::MappingTable (const PresetModel& modelIn) : model (modelIn)
{
    refresh();
}

const juce::StringArray& MappingTable::columnNames()
{
    static const juce::StringArray names { "Control", "Mode",    "Channel",     "Message",
                                           "Value 1", "Value 2", "MIDI to DIN", "Conflicts with" };
    return names;
}

void MappingTable::refresh()
{
    rows.clear();
    addKeybedRows();

    std::array<Cell, numColumns> roll;
    roll[modeColumn] = choiceCell (rollModeGroup, 0, "Function", QXRollMode::functionItems());
    roll[messageColumn] = choiceCell (rollModeGroup, 0, "Time Div", QXRollMode::timeDivisions());
    roll[firstValueColumn] = cell (rollModeGroup, 0, "Gate", "Gate", 1);
    roll[secondValueColumn] = cell (rollModeGroup, 0, "Swing", "Swing", 50);
    addRow (rollModeGroup, 0, "Roll Mode", roll);

    for (int i = 0; i < model.getNumControls (transportGroup); ++i)
    {
        std::array<Cell, numColumns> transport;
        transport[modeColumn] = choiceCell (transportGroup, i, "Function", QXTransport::functionItems());
        transport[messageColumn] = cell (transportGroup, i, "CC", "CC");
        transport[midiToDinColumn] = dinCell ("Transport Midi To DIN");
        addRow (transportGroup, i, QXTransport::buttonNames()[i], transport);
    }

    std::array<Cell, numColumns> pitch;
    pitch[channelColumn] = choiceCell (wheelsGroup, 0, "Pitch Wheel MIDI Channel", QXWheels::channelItems());
    pitch[messageColumn] = fixedCell ("Pitch Bend");
    pitch[midiToDinColumn] = dinCell ("Pitch Wheel Midi To DIN");
    addRow (wheelsGroup, 0, "Pitch Wheel", pitch);

    std::array<Cell, numColumns> mod;
    mod[channelColumn] = choiceCell (wheelsGroup, 0, "Mod Wheel MIDI Channel", QXWheels::channelItems());
    mod[messageColumn] = cell (wheelsGroup, 0, "Mod Wheel CC", "CC");
    mod[firstValueColumn] = cell (wheelsGroup, 0, "Mod Wheel Min", "Min");
    mod[secondValueColumn] = cell (wheelsGroup, 0, "Mod Wheel Max", "Max");
    mod[midiToDinColumn] = dinCell ("Mod Wheel Midi To DIN");
    addRow (wheelsGroup, 0, "Mod Wheel", mod);

    std::array<Cell, numColumns> sustain;
    sustain[channelColumn] = cell (sustainGroup, 0, "MIDI Channel", {}, ControlMode::valueOffset ("MIDI Channel"));
    sustain[messageColumn] = cell (sustainGroup, 0, "CC", "CC");
    sustain[firstValueColumn] = cell (sustainGroup, 0, "Pressed", "Pressed");
    sustain[secondValueColumn] = cell (sustainGroup, 0, "Released", "Released");
    sustain[midiToDinColumn] = dinCell ("Sustain Midi To DIN");
    addRow (sustainGroup, 0, "Sustain", sustain);

    for (const auto& [groupId, dinName] : { std::pair<int, const char*> { knobGroup, "Knobs Midi To DIN" },
                                            { padGroup, "Pads Midi To DIN" },
                                            { switchGroup, "Switches Midi To DIN" } })
        for (int i = 0; i < model.getNumControls (groupId); ++i)
            addModeRow (groupId, i, dinName);

    findConflicts();
}

void MappingTable::addRow (int groupId, int index, const juce::String& title, std::array<Cell, numColumns> cells)
{
    cells[controlColumn] = fixedCell (title);
    rows.push_back ({ groupId, index, title, std::move (cells), {} });
}

void MappingTable::addKeybedRows()
{
    const auto* keybed = dynamic_cast<const QXKeybed*> (model.getControl (keybedGroup));

    if (keybed == nullptr)
        return;

    const auto zones =
        keybed->isSplit() ? juce::StringArray { "Lower Keybed", "Upper Keybed" } : juce::StringArray { "Keybed" };

    for (const auto& zone : zones)
    {
        std::array<Cell, numColumns> cells;
        cells[channelColumn] =
            cell (keybedGroup, 0, zone + " MIDI Channel", {}, ControlMode::valueOffset ("MIDI Channel"));
        cells[messageColumn] = fixedCell ("Notes");
        cells[firstValueColumn] = cell (keybedGroup, 0, zone + " Transpose", "Transpose", -12);
        cells[secondValueColumn] = cell (keybedGroup, 0, zone + " Octave", "Octave");
        cells[midiToDinColumn] = dinCell (zone + " Midi To DIN");
        addRow (keybedGroup, 0, zone, cells);
    }
}

void MappingTable::addModeRow (int groupId, int index, const juce::String& dinName)
{
    const auto* control = model.getControl (groupId, index);
    const auto& modes = control->getModes();
    juce::StringArray modeNames;

    for (const auto& mode : modes)
        modeNames.add (mode.name);

    std::array<Cell, numColumns> cells;
    cells[modeColumn] = choiceCell (groupId, index, "Mode", modeNames);
    cells[midiToDinColumn] = dinCell (dinName);

    const auto modeIndex = static_cast<size_t> (control->getParameter ("Mode"));

    if (modeIndex >= modes.size())
    {
        addRow (groupId, index, ControlNames::title (groupId, index), cells);
        return;
    }

    // A mode without a number to send (a knob's aftertouch) is its own message.
    cells[messageColumn] = fixedCell (modes[modeIndex].name);
    auto nextValue = static_cast<int> (firstValueColumn);

    for (const auto& rowName : modes[modeIndex].rows)
    {
        if (rowName == "MIDI Channel")
            cells[channelColumn] = cell (groupId, index, rowName, {}, ControlMode::valueOffset (rowName));
        else if (messageNames.contains (rowName))
            cells[messageColumn] = cell (groupId, index, rowName, rowName);
        else if (nextValue <= secondValueColumn)
            cells[static_cast<size_t> (nextValue++)] =
                cell (groupId, index, rowName, rowName, ControlMode::valueOffset (rowName));
    }

    addRow (groupId, index, ControlNames::title (groupId, index), cells);
}

void MappingTable::findConflicts()
{
    std::vector<std::optional<Sending>> sending;

    for (const auto& row : rows)
    {
        const auto& message = row.cells[messageColumn];
        const auto& channel = row.cells[channelColumn];
        const auto isNote = message.parameterName == "Note";

        if (! isNote && ! message.parameterName.endsWith ("CC"))
        {
            sending.emplace_back();
            continue;
        }

        auto channelValue = channel.isEditable() ? static_cast<int> (storedValue (channel)) : -1;

        if (channel.items[channelValue] == "Omni")
            channelValue = -1;

        sending.push_back (Sending { isNote, storedValue (message), channelValue });
    }

    numConflicts = 0;

    for (size_t a = 0; a < rows.size(); ++a)
        for (size_t b = a + 1; b < rows.size(); ++b)
        {
            const auto& first = sending[a];
            const auto& second = sending[b];

            if (! first || ! second || first->isNote != second->isNote || first->number != second->number)
                continue;
            if (first->channel >= 0 && second->channel >= 0 && first->channel != second->channel)
                continue;

            rows[a].conflicts.add (rows[b].title);
            rows[b].conflicts.add (rows[a].title);
            ++numConflicts;
        }
}

juce::String MappingTable::describeConflicts (int count)
{
    return juce::String (count) + (count == 1 ? " conflict" : " conflicts");
}

MappingTable::Cell MappingTable::cell (int groupId, int index, const juce::String& parameterName,
                                       const juce::String& label, int valueOffset) const
{
    Cell result;
    result.groupId = groupId;
    result.index = index;
    result.parameterName = parameterName;
    result.label = label;
    result.valueOffset = valueOffset;
    return result;
}

MappingTable::Cell MappingTable::choiceCell (int groupId, int index, const juce::String& parameterName,
                                             const juce::StringArray& items) const
{
    // Channel choices are "1" to "16", so a typed or batch channel counts from 1 as elsewhere.
    auto result = cell (groupId, index, parameterName, {}, parameterName.endsWith ("MIDI Channel") ? 1 : 0);
    result.items = items;
    return result;
}

MappingTable::Cell MappingTable::dinCell (const juce::String& name) const
{
    return choiceCell (midiToDinGroup, 0, name, dinItems);
}

MappingTable::Cell MappingTable::fixedCell (const juce::String& text)
{
    Cell result;
    result.fixedText = text;
    return result;
}

juce::uint8 MappingTable::storedValue (const Cell& cell) const
{
    const auto* control = model.getControl (cell.groupId, cell.index);
    return control != nullptr ? control->getParameter (cell.parameterName) : juce::uint8 { 0 };
}

juce::String MappingTable::getCellText (int row, int column) const
{
    if (! juce::isPositiveAndBelow (row, getNumRows()) || ! juce::isPositiveAndBelow (column, numColumns))
        return {};

    const auto& shown = getRow (row);

    if (column == conflictsColumn)
        return shown.conflicts.joinIntoString (", ");

    return cellText (shown.cells[static_cast<size_t> (column)]);
}

juce::String MappingTable::cellText (const Cell& cell) const
{
    if (! cell.isEditable())
        return cell.fixedText;

    const auto value = static_cast<int> (storedValue (cell));

    if (juce::isPositiveAndBelow (value, cell.items.size()))
        return cell.items[value];

    const auto shown = MidiNames::describeValue (cell.parameterName, value + cell.valueOffset);
    return cell.label.isEmpty() ? shown : cell.label + " " + shown;
}

MappingTable::Edits MappingTable::editCell (int row, int column, const juce::String& text) const
{
    if (! juce::isPositiveAndBelow (row, getNumRows()) || ! juce::isPositiveAndBelow (column, numColumns))
        return {};

    const auto& target = getRow (row);
    const auto& edited = target.cells[static_cast<size_t> (column)];

    if (! edited.isEditable())
        return { {}, target.title + ": " + columnNames()[column] + " cannot be changed here" };

    const auto item = edited.items.indexOf (text.trim(), true);

    if (item >= 0)
        return { { { edited.groupId, edited.index, edited.parameterName, static_cast<juce::uint8> (item) } }, {} };

    if (const auto number = parseShownNumber (text, edited.label))
        return editShown (target, edited, *number);

    return { {}, target.title + ": \"" + text.trim() + "\" is not a value of " + columnNames()[column] };
}

MappingTable::Edits MappingTable::editShown (const Row& row, const Cell& cell, int shownValue) const
{
    const auto* control = model.getControl (cell.groupId, cell.index);

    if (control == nullptr)
        return { {}, row.title + " cannot be changed" };

    const auto lowest = control->getMinimum (cell.parameterName) + cell.valueOffset;
    const auto highest = control->getMaximum (cell.parameterName) + cell.valueOffset;

    if (shownValue < lowest || shownValue > highest)
    {
        const auto name = cell.label.isNotEmpty() ? cell.label : cell.parameterName;
        return { {},
                 row.title + ": " + name + " " + juce::String (shownValue) + " is outside " + juce::String (lowest)
                     + juce::String (juce::CharPointer_UTF8 ("\xe2\x80\x93")) + juce::String (highest) };
    }

    return { { { cell.groupId, cell.index, cell.parameterName,
                 static_cast<juce::uint8> (shownValue - cell.valueOffset) } },
             {} };
}

MappingTable::Edits MappingTable::forEachRow (const juce::Array<int>& selectedRows,
                                              const std::function<Edits (const Row&, int)>& editOf) const
{
    Edits all;
    int position = 0;

    for (const auto row : selectedRows)
    {
        if (! juce::isPositiveAndBelow (row, getNumRows()))
            continue;

        auto edits = editOf (getRow (row), position++);

        if (edits.refusal.isNotEmpty())
            return { {}, edits.refusal };

        all.edits.insert (all.edits.end(), edits.edits.begin(), edits.edits.end());
    }

    return all;
}

MappingTable::Edits MappingTable::setChannel (const juce::Array<int>& selectedRows, int channel) const
{
    return forEachRow (selectedRows, [&] (const Row& row, int) -> Edits {
        const auto& cell = row.cells[channelColumn];
        if (! cell.isEditable())
            return { {}, row.title + " has no MIDI channel" };
        return editShown (row, cell, channel);
    });
}

MappingTable::Edits MappingTable::setMode (const juce::Array<int>& selectedRows, const juce::String& modeName) const
{
    const Row* firstRow = nullptr;

    return forEachRow (selectedRows, [&] (const Row& row, int) -> Edits {
        const auto& cell = row.cells[modeColumn];
        const auto item = cell.items.indexOf (modeName);

        if (firstRow == nullptr)
            firstRow = &row;

        if (row.groupId != firstRow->groupId)
            return { {}, firstRow->title + " and " + row.title + " are not controls of one kind" };
        if (! cell.isEditable() || item < 0)
            return { {}, row.title + " has no mode \"" + modeName + "\"" };

        return { { { cell.groupId, cell.index, cell.parameterName, static_cast<juce::uint8> (item) } }, {} };
    });
}

MappingTable::Edits MappingTable::numberInSequence (const juce::Array<int>& selectedRows, int first) const
{
    return forEachRow (selectedRows, [&] (const Row& row, int position) -> Edits {
        const auto& cell = row.cells[messageColumn];
        if (! cell.isEditable() || ! cell.items.isEmpty())
            return { {}, row.title + " sends no CC, note or program" };
        return editShown (row, cell, first + position);
    });
}

MappingTable::Settings MappingTable::copySettings (int row) const
{
    if (! juce::isPositiveAndBelow (row, getNumRows()))
        return {};

    const auto& source = getRow (row);
    Settings settings { source.groupId, {} };

    for (int column = modeColumn; column <= secondValueColumn; ++column)
        if (const auto& cell = source.cells[static_cast<size_t> (column)]; cell.isEditable())
            settings.values.emplace_back (cell.parameterName, storedValue (cell));

    return settings;
}

juce::String MappingTable::settingsToText (const Settings& settings)
{
    juce::StringArray fields { settingsTag, juce::String (settings.groupId) };

    for (const auto& [name, value] : settings.values)
        fields.add (name + "=" + juce::String (value));

    return fields.joinIntoString (";");
}

std::optional<MappingTable::Settings> MappingTable::settingsFromText (const juce::String& text)
{
    const auto fields = juce::StringArray::fromTokens (text, ";", {});

    if (fields.size() < 2 || fields[0] != settingsTag || ! fields[1].containsOnly ("0123456789"))
        return std::nullopt;

    Settings settings { fields[1].getIntValue(), {} };

    for (int i = 2; i < fields.size(); ++i)
    {
        const auto value = fields[i].fromLastOccurrenceOf ("=", false, false);

        if (! fields[i].contains ("=") || value.isEmpty() || ! value.containsOnly ("0123456789") || value.length() > 3)
            return std::nullopt;

        settings.values.emplace_back (fields[i].upToLastOccurrenceOf ("=", false, false),
                                      static_cast<juce::uint8> (juce::jmin (255, value.getIntValue())));
    }

    return settings;
}

int MappingTable::rowOf (int groupId, int index) const
{
    for (int row = 0; row < getNumRows(); ++row)
        if (getRow (row).groupId == groupId && getRow (row).index == index)
            return row;

    return -1;
}

MappingTable::Edits MappingTable::pasteSettings (const Settings& settings, const juce::Array<int>& selectedRows) const
{
    // Only the kinds with many alike controls share their parameter names between controls.
    const auto pastable = settings.groupId == knobGroup || settings.groupId == padGroup
                          || settings.groupId == switchGroup || settings.groupId == transportGroup;

    return forEachRow (selectedRows, [&] (const Row& row, int) -> Edits {
        if (! pastable || row.groupId != settings.groupId)
            return { {}, "The copied settings do not fit " + row.title };

        const auto* control = model.getControl (row.groupId, row.index);
        Edits edits;

        for (const auto& [name, value] : settings.values)
        {
            if (value > control->getMaximum (name))
                return { {}, row.title + ": " + name + " " + juce::String (value) + " is out of range" };
            edits.edits.push_back ({ row.groupId, row.index, name, value });
        }

        return edits;
    });
}

juce::String MappingTable::toCsv() const
{
    juce::StringArray lines;
    juce::StringArray header;

    for (const auto& name : columnNames())
        header.add (quotedForCsv (name));

    lines.add (header.joinIntoString (","));

    for (int row = 0; row < getNumRows(); ++row)
    {
        juce::StringArray fields;

        for (int column = 0; column < numColumns; ++column)
            fields.add (quotedForCsv (getCellText (row, column)));

        lines.add (fields.joinIntoString (","));
    }

    return lines.joinIntoString ("\n") + "\n";
}
