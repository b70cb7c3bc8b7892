#pragma once

#include "app/desktop/DesktopDialogWindow.h"
#include "widgets/pictures/ScaledPicture.h"

/** The about picture in a window without a title bar; it deletes itself when clicked, and on
    Escape or Return. Its title names it in the desktop's window lists. */
class AboutWindow : public DesktopDialogWindow
{
public:
    AboutWindow (const ScaledPicture& image, const juce::String& title = {}, const Context& context = {});
    ~AboutWindow() override;

    /** No frame: the picture is the whole window. */
    juce::BorderSize<int> getBorderThickness() override { return {}; }

private:
    void confirm() override { close(); }
    void dismiss() override { close(); }
    void close();

    JUCE_DECLARE_WEAK_REFERENCEABLE (AboutWindow)
};
