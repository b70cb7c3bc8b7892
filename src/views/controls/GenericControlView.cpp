#include "views/controls/GenericControlView.h"

#include "model/mapping/MappingTable.h"
#include "views/ViewLayout.h"
#include "widgets/bound/DoubleParameterControllerComboBox.h"
#include "widgets/bound/DoubleParamterControllerNumberBox.h"

namespace
{
constexpr int rowWidth = ViewLayout::rowWidth;
constexpr int rowHeight = 18;
constexpr int rowGap = ViewLayout::rowGap;

struct RowRange
{
    int minimum;
    int maximum;
    int valueOffset;
};

RowRange rangeOfRow (const juce::String& rowName)
{
    const auto offset = ControlMode::valueOffset (rowName);

    if (rowName == "MIDI Channel")
        return { offset, 15 + offset, offset };
    if (rowName == "Curve")
        return { offset, 7 + offset, offset };
    return { 0, 127, 0 };
}
} // namespace

GenericControlView::GenericControlView (const juce::String& title, QXEditorEngine::Ptr engineIn, int controlIndexIn)
    : engine (std::move (engineIn)),
      controlIndex (controlIndexIn)
{
    setSize (300, 200);

    titleLabel = ViewLayout::createTitle (title, 70, rowHeight, 18.0f);
    titleLabel->addMouseListener (this, false);
    addAndMakeVisible (titleLabel.get());
}

GenericControlView::~GenericControlView() = default;

juce::String GenericControlView::getTitle() const
{
    return titleLabel->getText();
}

void GenericControlView::setModeComboBox (DoubleParameterControllerComboBox* comboBox)
{
    modeComboBox = comboBox;
    modeComboBox->getComboBox().addListener (this);
    modeComboBox->setBounds (0, titleLabel->getBottom() + 10, rowWidth, rowHeight);
    addAndMakeVisible (modeComboBox);
}

void GenericControlView::addControlGroup (const juce::String& modeName,
                                          const juce::Array<DoubleParamterControllerNumberBox*>& rows)
{
    auto& comboBox = modeComboBox->getComboBox();
    comboBox.addItem (modeName, comboBox.getNumItems() + 1);

    auto* group = controlGroups.add (new GenericControlViewControlGroup());
    group->setBounds (0, modeComboBox->getBottom() + rowGap, rowWidth, 180);

    for (int i = 0; i < rows.size(); ++i)
    {
        rows.getUnchecked (i)->setBounds (0, i * (rowHeight + rowGap), rowWidth, rowHeight);
        group->addAndMakeVisible (rows.getUnchecked (i));
    }

    addChildComponent (group);
}

void GenericControlView::showControlGroup (int index)
{
    for (int i = 0; i < controlGroups.size(); ++i)
        controlGroups.getUnchecked (i)->setVisible (i == index);
}

int GenericControlView::getShownGroup() const
{
    for (int i = 0; i < controlGroups.size(); ++i)
        if (controlGroups.getUnchecked (i)->isVisible())
            return i;

    return -1;
}

void GenericControlView::comboBoxChanged (juce::ComboBox* comboBox)
{
    showControlGroup (comboBox->getSelectedId() - 1);
}

void GenericControlView::mouseDown (const juce::MouseEvent& event)
{
    if (event.eventComponent != titleLabel.get() || ! event.mods.isPopupMenu() || groupId < 0)
        return;

    const auto copied = MappingTable::settingsFromText (juce::SystemClipboard::getTextFromClipboard());
    juce::PopupMenu menu;
    menu.addItem ("Copy Settings", [this] { copyOrPasteSettings (false); });
    menu.addItem ("Paste Settings", copied.has_value() && copied->groupId == groupId, false,
                  [this] { copyOrPasteSettings (true); });
    menu.showMenuAsync (juce::PopupMenu::Options().withTargetComponent (titleLabel.get()));
}

void GenericControlView::copyOrPasteSettings (bool paste)
{
    const MappingTable table (engine->getModel());
    const auto row = table.rowOf (groupId, controlIndex);

    if (! paste)
        return juce::SystemClipboard::copyTextToClipboard (MappingTable::settingsToText (table.copySettings (row)));

    if (const auto copied = MappingTable::settingsFromText (juce::SystemClipboard::getTextFromClipboard()))
    {
        const auto edits = table.pasteSettings (*copied, { row });

        if (edits.refusal.isNotEmpty())
            juce::AlertWindow::showMessageBoxAsync (juce::MessageBoxIconType::WarningIcon, "Nothing Changed",
                                                    edits.refusal, "OK", this);
        else
            engine->applyEdits (edits.edits);
    }
}

void GenericControlView::buildModes (int groupIdIn, const std::vector<ControlMode>& modes)
{
    groupId = groupIdIn;
    const auto index = static_cast<juce::uint8> (controlIndex);
    ownedModeComboBox = std::make_unique<DoubleParameterControllerComboBox> (engine, "Mode", index, groupId,
                                                                             juce::StringArray(), nullptr);
    setModeComboBox (ownedModeComboBox.get());

    for (const auto& mode : modes)
    {
        juce::Array<DoubleParamterControllerNumberBox*> rows;

        for (const auto& rowName : mode.rows)
        {
            const auto range = rangeOfRow (rowName);
            rows.add (numberBoxes.add (new DoubleParamterControllerNumberBox (
                engine, rowName, index, groupId, range.minimum, range.maximum, range.valueOffset)));
        }

        addControlGroup (mode.name, rows);
    }

    // The box had no items when it first showed the stored mode; now it can select one.
    ownedModeComboBox->showStoredValue();
}
