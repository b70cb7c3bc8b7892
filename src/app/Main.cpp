#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
// Stands in until the application shell exists: one empty window.
class PlaceholderApplication : public juce::JUCEApplication
{
public:
    const juce::String getApplicationName() override { return "Kavori QX61 Editor"; }
    const juce::String getApplicationVersion() override { return QX_APP_VERSION; }

    void initialise (const juce::String&) override
    {
        window = std::make_unique<juce::DocumentWindow> (getApplicationName(), juce::Colours::white,
                                                         juce::DocumentWindow::allButtons);
        window->setUsingNativeTitleBar (true);
        window->setSize (1200, 700);
        window->setVisible (true);
    }

    void shutdown() override { window.reset(); }

private:
    std::unique_ptr<juce::DocumentWindow> window;
};
} // namespace

START_JUCE_APPLICATION (PlaceholderApplication)
