#pragma once

#include "engine/QXEditorEngine.h"
#include "views/sections/BankView.h"

/** The roll mode section: its one view, no arrows and no toggle. */
class RollModeBank : public BankView
{
public:
    explicit RollModeBank (QXEditorEngine::Ptr engine);
    ~RollModeBank() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (RollModeBank)
};
