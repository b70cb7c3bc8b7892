#pragma once

#include "views/controls/GenericControlView.h"

/** One knob: "CC" or "Aftertouch". */
class KnobControlView : public GenericControlView
{
public:
    KnobControlView (QXEditorEngine::Ptr engine, int controlIndex);

    void createControls() override;
};
