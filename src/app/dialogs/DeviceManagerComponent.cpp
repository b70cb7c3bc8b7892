#include "app/dialogs/DeviceManagerComponent.h"

#include "app/AppImages.h"

DeviceManagerComponent::DeviceManagerComponent (juce::Button::Listener* buttonListener)
{
    for (auto* button : { &okButton, &applyButton, &cancelButton })
    {
        button->setButtonText (button->getName());
        button->addListener (buttonListener);
    }

    backgroundImage = AppImages::deviceSetupBackground();
    listFrameImage = AppImages::deviceListFrame();

    inputList.setName ("Input Devices");
    outputList.setName ("Output Devices");
    inputList.setModel (&inputListModel);
    outputList.setModel (&outputListModel);

    for (auto* list : { &inputList, &outputList })
        list->setColour (juce::ListBox::backgroundColourId, juce::Colour (0x00FFFFFF));

    addAndMakeVisible (okButton);
    addAndMakeVisible (cancelButton);
    addAndMakeVisible (applyButton);
    addAndMakeVisible (inputList);
    addAndMakeVisible (outputList);

    setLookAndFeel (&look);
    setSize (360, 425);
}

DeviceManagerComponent::~DeviceManagerComponent()
{
    setLookAndFeel (nullptr);
}

void DeviceManagerComponent::resized()
{
    inputList.setBounds (15, 69, 327, 123);
    outputList.setBounds (15, 240, 327, 123);
    okButton.setBounds (16, 381, 72, 32);
    applyButton.setBounds (248, 381, 88, 30);
    cancelButton.setBounds (120, 381, 88, 30);
}

void DeviceManagerComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::white);
    backgroundImage.draw (g, { 0.0f, 0.0f, 360.0f, 425.0f });
    listFrameImage.draw (g, { 15.0f, 60.0f, 327.0f, 141.0f });
    listFrameImage.draw (g, { 15.0f, 228.0f, 327.0f, 141.0f });

    g.setColour (juce::Colours::black);
    g.setFont (juce::Font (15.0f, juce::Font::plain));
    g.drawText ("INPUT", 25, 44, 41, 18, juce::Justification::centredLeft, true);
    g.drawText ("OUTPUT", 23, 216, 57, 11, juce::Justification::centredLeft, true);

    // Behind the transparent lists, where their first row would be: nothing to select.
    paintIfEmpty (g, inputList, inputListModel, "No MIDI inputs found");
    paintIfEmpty (g, outputList, outputListModel, "No MIDI outputs found");
}

void DeviceManagerComponent::paintIfEmpty (juce::Graphics& g, const juce::ListBox& list, const DeviceListModel& model,
                                           const juce::String& text)
{
    if (! model.getNames().isEmpty())
        return;

    const auto height = list.getRowHeight();
    g.setColour (juce::Colours::white);
    g.setFont (juce::Font (0.7f * static_cast<float> (height), juce::Font::italic));
    g.drawText (text, list.getX() + 5, list.getY(), list.getWidth() - 5, height, juce::Justification::centredLeft,
                true);
}

void DeviceManagerComponent::updateLists()
{
    inputList.updateContent();
    outputList.updateContent();
}

void DeviceManagerComponent::selectByName (juce::ListBox& list, const DeviceListModel& model, const juce::String& name)
{
    list.deselectAllRows();

    for (int row = 0; row < model.getNames().size(); ++row)
    {
        if (model.getNames()[row] == name)
        {
            list.selectRow (row, false, true);
            list.scrollToEnsureRowIsOnscreen (row);
        }
    }
}

juce::String DeviceManagerComponent::selectedName (const juce::ListBox& list, const DeviceListModel& model)
{
    const auto row = list.getSelectedRow (0);
    return row >= 0 ? model.getNames()[row] : juce::String();
}
