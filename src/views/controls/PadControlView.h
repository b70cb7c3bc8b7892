#pragma once

#include "views/controls/GenericControlView.h"

/** One pad: "Note", "CC Toggle", "CC Momentary" or "Program Change". */
class PadControlView : public GenericControlView
{
public:
    PadControlView (QXEditorEngine::Ptr engine, int controlIndex);

    void createControls() override;
};
