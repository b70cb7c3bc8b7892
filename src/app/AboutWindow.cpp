#include "app/AboutWindow.h"

#include "app/AboutComponent.h"

AboutWindow::AboutWindow (const juce::Image& image) : juce::ResizableWindow ({}, true)
{
    setUsingNativeTitleBar (false);
    setResizable (false, false);
    setContentOwned (new AboutComponent (image), true);
    centreWithSize (getWidth(), getHeight());
    setAlwaysOnTop (false);
    setVisible (true);
}

AboutWindow::~AboutWindow()
{
    masterReference.clear();
    clearContentComponent();
}
