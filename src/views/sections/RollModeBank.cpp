#include "views/sections/RollModeBank.h"

#include "views/controls/RollModeControlView.h"

RollModeBank::RollModeBank (QXEditorEngine::Ptr engine) : BankView ({}, true)
{
    setItems ({ new RollModeControlView (engine) });
    setItemsPerBank (1);
    setSize (1200, 200);
}

RollModeBank::~RollModeBank() = default;
