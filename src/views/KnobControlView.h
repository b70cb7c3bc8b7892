#pragma once

#include "engine/QXEditorEngine.h"
#include "views/GenericControlView.h"

/** One knob: "CC" or "Aftertouch". */
class KnobControlView : public GenericControlView
{
public:
    KnobControlView (QXEditorEngine::Ptr engine, int controlIndex);
    ~KnobControlView() override;

    void createControls() override;

    const juce::OwnedArray<DoubleParamterControllerNumberBox>& getNumberBoxes() const { return numberBoxes; }

private:
    QXEditorEngine::Ptr engine;
    juce::OwnedArray<DoubleParamterControllerNumberBox> numberBoxes;
    std::unique_ptr<DoubleParameterControllerComboBox> ownedModeComboBox;
    int controlIndex;
};
