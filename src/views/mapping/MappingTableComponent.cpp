#include "views/mapping/MappingTableComponent.h"

#include "widgets/look/WidgetColours.h"

#include <algorithm>
#include <numeric>

namespace
{
constexpr int columnWidths[] = { 110, 130, 70, 160, 120, 120, 90, 180 };
constexpr int refusalFlashMs = 600;
constexpr int labelWidth = 150;
constexpr int buttonGap = 10;
constexpr int batchButtonWidth = 170;

MappingTable::Edits notANumber (const juce::String& text)
{
    return { {}, "\"" + text.trim() + "\" is not a number" };
}

bool isNumber (const juce::String& text)
{
    return text.trim().isNotEmpty() && text.trim().containsOnly ("0123456789");
}
} // namespace

MappingTableComponent::MappingTableComponent (QXEditorEngine::Ptr engineIn)
    : engine (std::move (engineIn)),
      table (engine->getModel())
{
    auto& header = listBox.getHeader();

    for (int column = 0; column < MappingTable::numColumns; ++column)
        header.addColumn (MappingTable::columnNames()[column], column + 1, columnWidths[column], 40);

    listBox.setModel (this);
    listBox.setRowHeight (rowHeight);
    listBox.setMultipleSelectionEnabled (true);
    listBox.setColour (juce::ListBox::outlineColourId, juce::Colours::grey);
    listBox.setOutlineThickness (1);
    addAndMakeVisible (listBox);

    cellEditor.onReturnKey = [this] { finishEditing (true); };
    cellEditor.onEscapeKey = [this] { finishEditing (false); };
    cellEditor.onFocusLost = [this] { finishEditing (true); };
    addChildComponent (cellEditor);

    channelButton.onClick = [this] { askForChannel(); };
    modeButton.onClick = [this] { askForMode(); };
    sequenceButton.onClick = [this] { askForSequence(); };
    exportButton.onClick = [this] {
        if (onExport)
            onExport();
    };

    // The keys belong to the table, as in a spreadsheet; the buttons are clicked.
    for (auto* button : { &channelButton, &modeButton, &sequenceButton, &exportButton })
    {
        button->setWantsKeyboardFocus (false);
        addAndMakeVisible (button);
    }

    conflictLabel.setColour (juce::Label::textColourId, WidgetColours::refusalText);
    listBox.setColour (juce::ListBox::backgroundColourId, juce::Colours::white);
    addAndMakeVisible (conflictLabel);
    engine->addListener (this);
    refresh();
    setSize (std::accumulate (std::begin (columnWidths), std::end (columnWidths), 20), 600);
}

MappingTableComponent::~MappingTableComponent()
{
    engine->removeListener (this);
}

void MappingTableComponent::refresh()
{
    table.refresh();
    sortRows();
    listBox.updateContent();
    listBox.repaint();
    conflictLabel.setText (MappingTable::describeConflicts (table.getNumConflicts()), juce::dontSendNotification);
}

void MappingTableComponent::sortRows()
{
    order.resize (static_cast<size_t> (table.getNumRows()));
    std::iota (order.begin(), order.end(), 0);

    if (sortColumn <= 0)
        return;

    std::stable_sort (order.begin(), order.end(), [this] (int a, int b) {
        const auto comparison =
            table.getCellText (a, sortColumn - 1).compareNatural (table.getCellText (b, sortColumn - 1));
        return sortForwards ? comparison < 0 : comparison > 0;
    });
}

int MappingTableComponent::tableRowAt (int shownRow) const
{
    return juce::isPositiveAndBelow (shownRow, static_cast<int> (order.size())) ? order[static_cast<size_t> (shownRow)]
                                                                                : -1;
}

juce::Array<int> MappingTableComponent::getSelectedRows() const
{
    juce::Array<int> rows;

    for (int shown = 0; shown < static_cast<int> (order.size()); ++shown)
        if (listBox.isRowSelected (shown))
            rows.add (tableRowAt (shown));

    return rows;
}

void MappingTableComponent::setCurrentCell (int shownRow, int column)
{
    currentColumn = juce::jlimit (0, MappingTable::numColumns - 1, column);
    listBox.selectRow (shownRow);
    listBox.repaint();
}

void MappingTableComponent::paintRowBackground (juce::Graphics& g, int row, int, int, bool selected)
{
    const auto tableRow = tableRowAt (row);

    if (selected)
        g.fillAll (WidgetColours::accent.withAlpha (0.25f));
    else if (tableRow >= 0 && ! table.getRow (tableRow).conflicts.isEmpty())
        g.fillAll (WidgetColours::refusal.withAlpha (0.5f));
    else
        g.fillAll (row % 2 == 1 ? juce::Colour (0xFFF4F4F4) : juce::Colours::white);
}

void MappingTableComponent::paintCell (juce::Graphics& g, int row, int columnId, int width, int height, bool selected)
{
    const auto tableRow = tableRowAt (row);
    const auto column = columnId - 1;

    if (tableRow == flashRow && column == flashColumn)
        g.fillAll (WidgetColours::refusal);

    g.setColour (column == MappingTable::conflictsColumn ? WidgetColours::refusalText : juce::Colours::black);
    g.setFont (14.0f);
    g.drawText (table.getCellText (tableRow, column), 4, 0, width - 8, height, juce::Justification::centredLeft, true);

    if (selected && column == currentColumn && row == listBox.getLastRowSelected())
    {
        g.setColour (WidgetColours::accent);
        g.drawRect (0, 0, width, height, 2);
    }
}

void MappingTableComponent::cellClicked (int, int columnId, const juce::MouseEvent&)
{
    currentColumn = columnId - 1;
    listBox.repaint();
}

void MappingTableComponent::cellDoubleClicked (int row, int, const juce::MouseEvent&)
{
    const auto tableRow = tableRowAt (row);

    if (tableRow >= 0 && onShowControl)
        onShowControl (table.getRow (tableRow).groupId, table.getRow (tableRow).index);
}

void MappingTableComponent::sortOrderChanged (int columnId, bool forwards)
{
    const auto selected = getSelectedRows();
    sortColumn = columnId;
    sortForwards = forwards;
    sortRows();
    listBox.deselectAllRows();

    for (int shown = 0; shown < static_cast<int> (order.size()); ++shown)
        if (selected.contains (tableRowAt (shown)))
            listBox.selectRow (shown, true, false);

    listBox.updateContent();
    listBox.repaint();
}

void MappingTableComponent::takeKeys()
{
    if (! cellEditor.isVisible())
        listBox.grabKeyboardFocus();
}

void MappingTableComponent::returnKeyPressed (int)
{
    startEditing();
}

bool MappingTableComponent::keyPressed (const juce::KeyPress& key)
{
    const auto command = juce::ModifierKeys::commandModifier;

    if (key == juce::KeyPress::leftKey || key == juce::KeyPress::rightKey)
    {
        currentColumn =
            juce::jlimit (0, MappingTable::numColumns - 1, currentColumn + (key == juce::KeyPress::leftKey ? -1 : 1));
        listBox.repaint();
    }
    else if (key == juce::KeyPress (juce::KeyPress::F2Key))
        startEditing();
    else if (key == juce::KeyPress ('c', command, 0))
        copySettings();
    else if (key == juce::KeyPress ('v', command, 0))
        pasteSettings();
    else if (key == juce::KeyPress ('z', command, 0))
        engine->undo();
    else if (key == juce::KeyPress ('z', command | juce::ModifierKeys::shiftModifier, 0)
             || key == juce::KeyPress ('y', command, 0))
        engine->redo();
    else
        return false;

    return true;
}

void MappingTableComponent::startEditing()
{
    const auto shown = listBox.getLastRowSelected();
    const auto tableRow = tableRowAt (shown);

    if (tableRow < 0 || ! table.getRow (tableRow).cells[static_cast<size_t> (currentColumn)].isEditable())
        return;

    editedRow = tableRow;
    cellEditor.setBounds (getLocalArea (&listBox, listBox.getCellPosition (currentColumn + 1, shown, true)));
    cellEditor.setText (table.getCellText (tableRow, currentColumn), false);
    cellEditor.selectAll();
    cellEditor.setVisible (true);
    cellEditor.grabKeyboardFocus();
}

void MappingTableComponent::finishEditing (bool keep)
{
    if (! cellEditor.isVisible())
        return;

    cellEditor.setVisible (false);

    if (keep)
        enterText (cellEditor.getText());

    editedRow = -1;
    listBox.grabKeyboardFocus();
}

bool MappingTableComponent::enterText (const juce::String& text)
{
    const auto tableRow = editedRow >= 0 ? editedRow : tableRowAt (listBox.getLastRowSelected());
    const auto edits = table.editCell (tableRow, currentColumn, text);

    if (edits.refusal.isNotEmpty())
    {
        // The number boxes' refusal: the cell flashes and keeps its value.
        lastRefusal = edits.refusal;
        flashRow = tableRow;
        flashColumn = currentColumn;
        startTimer (refusalFlashMs);
        listBox.repaint();
        return false;
    }

    engine->applyEdits (edits.edits);
    return true;
}

void MappingTableComponent::timerCallback()
{
    stopTimer();
    flashRow = flashColumn = -1;
    listBox.repaint();
}

bool MappingTableComponent::apply (const MappingTable::Edits& edits)
{
    if (edits.refusal.isNotEmpty())
    {
        showRefusal (edits.refusal);
        return false;
    }

    engine->applyEdits (edits.edits);
    return true;
}

void MappingTableComponent::showRefusal (const juce::String& refusal)
{
    lastRefusal = refusal;
    juce::AlertWindow::showMessageBoxAsync (juce::MessageBoxIconType::WarningIcon, "Nothing Changed", refusal, "OK",
                                            this);
}

void MappingTableComponent::copySettings()
{
    const auto tableRow = tableRowAt (listBox.getLastRowSelected());

    // The system's clipboard, so the settings reach other windows and the section views.
    if (tableRow >= 0)
        juce::SystemClipboard::copyTextToClipboard (MappingTable::settingsToText (table.copySettings (tableRow)));
}

void MappingTableComponent::pasteSettings()
{
    if (const auto copied = MappingTable::settingsFromText (juce::SystemClipboard::getTextFromClipboard()))
        apply (table.pasteSettings (*copied, getSelectedRows()));
}

void MappingTableComponent::askForChannel()
{
    ask ("Set Channel", "MIDI channel (1-16) of the selected controls:", {}, [this] (const juce::String& text) {
        return isNumber (text) ? table.setChannel (getSelectedRows(), text.getIntValue()) : notANumber (text);
    });
}

void MappingTableComponent::askForMode()
{
    const auto rows = getSelectedRows();

    if (rows.isEmpty())
        return;

    const auto& modes = table.getRow (rows.getFirst()).cells[MappingTable::modeColumn].items;

    if (modes.isEmpty())
    {
        showRefusal (table.getRow (rows.getFirst()).title + " has no modes");
        return;
    }

    ask ("Set Mode", "Mode of the selected controls:", modes,
         [this] (const juce::String& text) { return table.setMode (getSelectedRows(), text); });
}

void MappingTableComponent::askForSequence()
{
    ask (
        "Number in Sequence", "First CC, note or program number, in row order:", {}, [this] (const juce::String& text) {
            return isNumber (text) ? table.numberInSequence (getSelectedRows(), text.getIntValue()) : notANumber (text);
        });
}

void MappingTableComponent::ask (const juce::String& title, const juce::String& label, const juce::StringArray& choices,
                                 std::function<MappingTable::Edits (const juce::String&)> batch)
{
    if (getSelectedRows().isEmpty())
        return;

    dialog = std::make_unique<juce::AlertWindow> (title, label, juce::MessageBoxIconType::NoIcon, this);

    if (choices.isEmpty())
        dialog->addTextEditor ("value", {});
    else
        dialog->addComboBox ("value", choices);

    dialog->addButton ("OK", 1, juce::KeyPress (juce::KeyPress::returnKey));
    dialog->addButton ("Cancel", 0, juce::KeyPress (juce::KeyPress::escapeKey));

    juce::WeakReference<MappingTableComponent> self (this);
    dialog->enterModalState (true, juce::ModalCallbackFunction::create ([self, batch] (int result) {
                                 if (self == nullptr || self->dialog == nullptr)
                                     return;

                                 auto& window = *self->dialog;
                                 const auto* combo = window.getComboBoxComponent ("value");
                                 const auto text =
                                     combo != nullptr ? combo->getText() : window.getTextEditorContents ("value");
                                 window.removeFromDesktop();

                                 // Deleted after the call that is still inside it returns.
                                 juce::MessageManager::callAsync ([self] {
                                     if (self != nullptr)
                                         self->dialog.reset();
                                 });

                                 if (result == 1)
                                     self->apply (batch (text));
                             }),
                             false);
}

void MappingTableComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::white);
}

void MappingTableComponent::resized()
{
    auto area = getLocalBounds();
    auto buttons = area.removeFromBottom (buttonRowHeight).reduced (buttonGap, 6);
    listBox.setBounds (area);

    conflictLabel.setBounds (buttons.removeFromLeft (labelWidth));
    exportButton.setBounds (buttons.removeFromRight (batchButtonWidth));

    for (auto* button : { &channelButton, &modeButton, &sequenceButton })
    {
        button->setBounds (buttons.removeFromLeft (batchButtonWidth));
        buttons.removeFromLeft (buttonGap);
    }
}
