#pragma once

#include "engine/QXEditorEngine.h"
#include "views/sections/BankView.h"

/** Both wheels side by side, the mod wheel on the left; each carries its own toggle. */
class WheelBank : public BankView
{
public:
    explicit WheelBank (QXEditorEngine::Ptr engine);
    ~WheelBank() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (WheelBank)
};
