#pragma once

#include "engine/QXEditorEngine.h"
#include "views/controls/KeybedParameterView.h"
#include "views/controls/KeybedSplitSelectorView.h"
#include "widgets/pictures/PictureComponent.h"

/** The keybed section: the split panel on the left and, on the right, either the one "Keybed"
    zone or the "Lower Keybed" and "Upper Keybed" zones side by side. */
class KeybedControlView : public juce::Component
{
public:
    explicit KeybedControlView (QXEditorEngine::Ptr engine);
    ~KeybedControlView() override;

    /** Shows the two split zones, or the single zone. */
    void setSplitEnabled (bool splitEnabled);

    KeybedSplitSelectorView& getSplitSelector() const { return *splitSelector; }

    /** [0] "Keybed", [1] "Lower Keybed", [2] "Upper Keybed". */
    const juce::OwnedArray<KeybedParameterView>& getZoneViews() const { return zoneViews; }

private:
    std::unique_ptr<KeybedSplitSelectorView> splitSelector;
    juce::OwnedArray<KeybedParameterView> zoneViews;
    PictureComponent divider;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (KeybedControlView)
};
