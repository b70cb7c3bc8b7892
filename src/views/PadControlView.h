#pragma once

#include "engine/QXEditorEngine.h"
#include "views/GenericControlView.h"

/** One pad: "Note", "CC Toggle", "CC Momentary" or "Program Change". */
class PadControlView : public GenericControlView
{
public:
    PadControlView (QXEditorEngine::Ptr engine, int controlIndex);
    ~PadControlView() override;

    void createControls() override;

    const juce::OwnedArray<DoubleParamterControllerNumberBox>& getNumberBoxes() const { return numberBoxes; }

private:
    QXEditorEngine::Ptr engine;
    juce::OwnedArray<DoubleParamterControllerNumberBox> numberBoxes;
    std::unique_ptr<DoubleParameterControllerComboBox> ownedModeComboBox;
    int controlIndex;
};
