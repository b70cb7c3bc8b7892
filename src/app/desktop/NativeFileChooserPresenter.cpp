#include "app/desktop/NativeFileChooserPresenter.h"

namespace
{
template <typename ComponentType>
ComponentType* findDescendant (juce::Component& parent)
{
    for (auto* child : parent.getChildren())
    {
        if (auto* found = dynamic_cast<ComponentType*> (child))
            return found;

        if (auto* found = findDescendant<ComponentType> (*child))
            return found;
    }

    return nullptr;
}

/** Where typing should go in the framework's dialog now up, if that is what opened. */
juce::Component* typingTarget (bool saving)
{
    auto* dialog = dynamic_cast<juce::FileChooserDialogBox*> (juce::Component::getCurrentlyModalComponent());
    auto* browser = dialog != nullptr ? findDescendant<juce::FileBrowserComponent> (*dialog) : nullptr;

    if (browser == nullptr)
        return nullptr;

    // The name field is the browser's only text box; the folder box is a combo box.
    if (saving)
        return findDescendant<juce::TextEditor> (*browser);

    return findDescendant<juce::FileListComponent> (*browser);
}
} // namespace

/** The dialog takes the focus for itself once its window is focused, which the window manager
    does later; the target takes it from there, once. A click elsewhere afterwards is the user's. */
class NativeFileChooserPresenter::FocusOnShow : private juce::FocusChangeListener
{
public:
    explicit FocusOnShow (juce::Component& targetIn) : target (&targetIn)
    {
        juce::Desktop::getInstance().addFocusChangeListener (this);
        target->grabKeyboardFocus();
    }

    ~FocusOnShow() override { juce::Desktop::getInstance().removeFocusChangeListener (this); }

private:
    void globalFocusChanged (juce::Component* focused) override
    {
        if (target == nullptr || taken)
            return;

        taken = focused == target.getComponent();

        if (! taken)
            target->grabKeyboardFocus();
    }

    juce::Component::SafePointer<juce::Component> target;
    bool taken = false;
};

NativeFileChooserPresenter::NativeFileChooserPresenter() = default;
NativeFileChooserPresenter::~NativeFileChooserPresenter() = default;

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

void NativeFileChooserPresenter::chooseFolder (const juce::String& title, const juce::File& startLocation,
                                               Callback callback)
{
    launch (title, startLocation, {},
            juce::FileBrowserComponent::saveMode | juce::FileBrowserComponent::canSelectDirectories,
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
    focus.reset();
    chooser = std::make_unique<juce::FileChooser> (title, start, pattern);
    chooser->launchAsync (flags, [callback = std::move (callback)] (const juce::FileChooser& finished) {
        callback (finished.getResult());
    });

    if (auto* target = typingTarget ((flags & juce::FileBrowserComponent::saveMode) != 0))
        focus = std::make_unique<FocusOnShow> (*target);
}
