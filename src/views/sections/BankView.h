#pragma once

#include "widgets/pictures/PictureButton.h"

/** Shows the control views of one section in pages ("banks") of a fixed number of views, with
    two arrows that step from bank to bank without wrapping around. */
class BankView : public virtual juce::Component, public virtual juce::Button::Listener, private juce::Timer
{
public:
    /** One page: places its views side by side from x = 40; the views belong to the bank view. */
    class Bank : public juce::Component
    {
    public:
        explicit Bank (const juce::Array<juce::Component*>& itemsIn);
        void resized() override {}

        const juce::Array<juce::Component*>& getItems() const { return items; }

    private:
        juce::Array<juce::Component*> items;
    };

    BankView (const juce::String& componentName, bool withArrows);
    ~BankView() override;

    void buttonClicked (juce::Button* button) override;

    /** Shows the current bank, and the arrows when there is more than one bank. */
    virtual void showCurrentBank();

    /** Takes ownership of the views, appends them and rebuilds the banks. */
    void setItems (const juce::Array<juce::Component*>& newItems);
    void setItemsPerBank (int count);

    /** Shows the bank holding the item at that index. */
    void showBankOf (int itemIndex);

    /** Frames the item for a moment, so the eye finds the control asked for on its page. */
    void markItem (int itemIndex);
    int getMarkedItem() const { return markedItem; }
    static constexpr int markShownMs = 1200;

    void paintOverChildren (juce::Graphics& g) override;

    int getCurrentBank() const { return currentBank; }
    int getNumBanks() const { return numBanks; }
    int getItemsPerBank() const { return itemsPerBank; }
    const juce::OwnedArray<juce::Component>& getItems() const { return items; }

    /** The bank shown, or nullptr when there is none. */
    Bank* getShownBank() const { return banks[currentBank]; }

    PictureButton* getLeftBankArrow() const { return leftBankArrow.get(); }
    PictureButton* getRightBankArrow() const { return rightBankArrow.get(); }

protected:
    /** Shows a control of the whole section (its MIDI-to-DIN toggle) above the banks. */
    void addSectionToggle (std::unique_ptr<juce::Component> toggle, juce::Point<int> position);

private:
    std::unique_ptr<PictureButton> makeArrow (const juce::String& name, bool pointsRight);
    void buildBanks();
    void timerCallback() override;

    int currentBank = 0;
    int markedItem = -1;
    int numBanks = 0;
    int itemsPerBank = 0;
    std::unique_ptr<PictureButton> leftBankArrow;
    std::unique_ptr<PictureButton> rightBankArrow;
    juce::OwnedArray<juce::Component> items;
    juce::OwnedArray<Bank> banks;
    std::unique_ptr<juce::Component> sectionToggle;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BankView)
};
