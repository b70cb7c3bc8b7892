#include "app/desktop/NativeFileChooserPresenter.h"

void NativeFileChooserPresenter::chooseFileToOpen (const juce::String& title, const juce::File& startLocation,
                                                   const juce::String& pattern, Callback callback)
{
    launch (title, startLocation, pattern,
            juce::FileBrowserComponent::openMode | juce::FileBrowserComponent::canSelectFiles, std::move (callback));
}

void NativeFileChooserPresenter::chooseFileToSave (const juce::String& title, const juce::File& startLocation,
                                                   const juce::String& pattern, Callback callback)
{
    launch (title, startLocation, pattern,
            juce::FileBrowserComponent::saveMode | juce::FileBrowserComponent::canSelectFiles
                | juce::FileBrowserComponent::warnAboutOverwriting,
            std::move (callback));
}

juce::File NativeFileChooserPresenter::startFor (const juce::File& startLocation)
{
    if (startLocation != juce::File())
        return startLocation;

    // Before any file was saved there is no last folder: start where the user keeps documents,
    // not in whatever folder the program was started from.
    const auto documents = juce::File::getSpecialLocation (juce::File::userDocumentsDirectory);
    return documents.isDirectory() ? documents : juce::File::getSpecialLocation (juce::File::userHomeDirectory);
}

void NativeFileChooserPresenter::launch (const juce::String& title, const juce::File& startLocation,
                                         const juce::String& pattern, int flags, Callback callback)
{
    const auto start = startFor (startLocation);

    // A new chooser replaces one still open, which the framework then closes as cancelled.
    chooser = std::make_unique<juce::FileChooser> (title, start, pattern);
    chooser->launchAsync (flags, [callback = std::move (callback)] (const juce::FileChooser& finished) {
        callback (finished.getResult());
    });
}
