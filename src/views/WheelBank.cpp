#include "views/WheelBank.h"

#include "views/ModWheelView.h"
#include "views/PitchWheelView.h"

WheelBank::WheelBank (QXEditorEngine::Ptr engine) : BankView ({}, true)
{
    setItems ({ new ModWheelView (engine), new PitchWheelView (engine) });
    setItemsPerBank (2);
    setSize (1200, 200);
}

WheelBank::~WheelBank() = default;
