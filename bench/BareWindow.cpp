// The yardstick for the editor's start-up: a JUCE program that shows one empty window of the
// editor's size, linked with the same JUCE build.
#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
class BareWindow : public juce::DocumentWindow
{
public:
    BareWindow() : juce::DocumentWindow ("Bare Window", juce::Colours::black, juce::DocumentWindow::allButtons)
    {
        setUsingNativeTitleBar (true);
        setContentOwned (new juce::Component(), false);
        getContentComponent()->setSize (1200, 700);
        setResizable (false, false);
        centreWithSize (getWidth(), getHeight());
        setVisible (true);
    }

    void closeButtonPressed() override { juce::JUCEApplication::getInstance()->systemRequestedQuit(); }
};

class BareApplication : public juce::JUCEApplication
{
public:
    const juce::String getApplicationName() override { return "Bare Window"; }
    const juce::String getApplicationVersion() override { return "1.0"; }
    bool moreThanOneInstanceAllowed() override { return true; }
    void initialise (const juce::String&) override { window = std::make_unique<BareWindow>(); }
    void shutdown() override { window = nullptr; }

private:
    std::unique_ptr<BareWindow> window;
};
} // namespace

START_JUCE_APPLICATION (BareApplication)
