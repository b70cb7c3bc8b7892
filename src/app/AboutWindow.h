#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The about picture in a window without a title bar; it deletes itself when clicked. */
class AboutWindow : public juce::ResizableWindow
{
public:
    explicit AboutWindow (const juce::Image& image);
    ~AboutWindow() override;

    /** No frame: the picture is the whole window. */
    juce::BorderSize<int> getBorderThickness() override { return {}; }

private:
    JUCE_DECLARE_WEAK_REFERENCEABLE (AboutWindow)
};
