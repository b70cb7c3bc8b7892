#pragma once

#include "engine/QXEditorEngine.h"
#include "views/GenericControlView.h"

/** One switch: "CC Toggle", "CC Momentary" or "Program Change". */
class SwitchControlView : public GenericControlView
{
public:
    SwitchControlView (QXEditorEngine::Ptr engine, int controlIndex);
    ~SwitchControlView() override;

    void createControls() override;

    const juce::OwnedArray<DoubleParamterControllerNumberBox>& getNumberBoxes() const { return numberBoxes; }

private:
    QXEditorEngine::Ptr engine;
    juce::OwnedArray<DoubleParamterControllerNumberBox> numberBoxes;
    std::unique_ptr<DoubleParameterControllerComboBox> ownedModeComboBox;
    int controlIndex;
};
