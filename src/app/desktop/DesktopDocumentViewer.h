#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>
#include <vector>

/** Shows documents with the desktop's viewer (`xdg-open`), without waiting for it. A viewer that
    cannot be started, or that ends in failure (no program for the file's type), is reported;
    every viewer process started is waited for, so none is left behind as a zombie. */
class DesktopDocumentViewer : private juce::Timer
{
public:
    using Failed = std::function<void (const juce::File& document)>;

    /** The viewer program is a parameter so tests can name one. */
    explicit DesktopDocumentViewer (Failed onFailure, juce::String viewerProgram = "xdg-open");
    ~DesktopDocumentViewer() override;

    void show (const juce::File& document);

    int getNumRunning() const { return static_cast<int> (running.size()); }

private:
    struct Viewer
    {
        std::unique_ptr<juce::ChildProcess> process;
        juce::File document;
    };

    void timerCallback() override;

    Failed onFailure;
    juce::String viewerProgram;
    std::vector<Viewer> running;
};
