#include "views/sections/WheelBank.h"

#include "views/controls/ModWheelView.h"
#include "views/controls/PitchWheelView.h"

WheelBank::WheelBank (QXEditorEngine::Ptr engine) : BankView ({}, true)
{
    setItems ({ new ModWheelView (engine), new PitchWheelView (engine) });
    setItemsPerBank (2);
    setSize (1200, 200);
}

WheelBank::~WheelBank() = default;
