#include "app/desktop/DesktopDocumentViewer.h"

namespace
{
// How often the running viewers are looked at; they take seconds to fail or the user's time to close.
constexpr int pollMs = 200;
} // namespace

DesktopDocumentViewer::DesktopDocumentViewer (Failed onFailureIn, juce::String viewerProgramIn)
    : onFailure (std::move (onFailureIn)),
      viewerProgram (std::move (viewerProgramIn))
{
}

DesktopDocumentViewer::~DesktopDocumentViewer()
{
    // A viewer still open stays open; it is reaped by whoever inherits it once the program ends.
    stopTimer();
}

void DesktopDocumentViewer::show (const juce::File& document)
{
    auto process = std::make_unique<juce::ChildProcess>();

    // Without an exit status to go by, a fork that failed is the only failure seen at once; a
    // missing viewer program shows as a failed exit of the child.
    if (! process->start (juce::StringArray { viewerProgram, document.getFullPathName() }, 0))
        return onFailure (document);

    running.push_back ({ std::move (process), document });
    startTimer (pollMs);
}

void DesktopDocumentViewer::timerCallback()
{
    std::vector<juce::File> failed;

    // isRunning() reaps a viewer that has ended; its exit status tells how it went.
    for (auto viewer = running.begin(); viewer != running.end();)
    {
        if (viewer->process->isRunning())
        {
            ++viewer;
            continue;
        }

        if (viewer->process->getExitCode() != 0)
            failed.push_back (viewer->document);

        viewer = running.erase (viewer);
    }

    if (running.empty())
        stopTimer();

    for (const auto& document : failed)
        onFailure (document);
}
