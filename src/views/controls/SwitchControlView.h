#pragma once

#include "views/controls/GenericControlView.h"

/** One switch: "CC Toggle", "CC Momentary" or "Program Change". */
class SwitchControlView : public GenericControlView
{
public:
    SwitchControlView (QXEditorEngine::Ptr engine, int controlIndex);

    void createControls() override;
};
