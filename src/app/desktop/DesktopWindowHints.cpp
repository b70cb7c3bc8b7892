// The X headers come with the framework's window-system declarations only when asked for first.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include <juce_gui_basics/juce_gui_basics.h>

#include "app/desktop/DesktopWindowHints.h"

#include "app/AppImages.h"

juce::Image DesktopWindowHints::programIcon()
{
    return AppImages::programIcon();
}

void DesktopWindowHints::showProgramIcon (juce::Component& window)
{
    if (auto* peer = window.getPeer())
        peer->setIcon (programIcon());
}

#if JUCE_LINUX
namespace
{
::Window windowOf (juce::Component& component)
{
    auto* peer = component.getPeer();
    return peer != nullptr ? (::Window) (juce::pointer_sized_uint) peer->getNativeHandle() : 0;
}
} // namespace

void DesktopWindowHints::setTransientFor (juce::Component& dialog, juce::Component& owner)
{
    auto* display = juce::XWindowSystem::getInstance()->getDisplay();
    auto window = windowOf (dialog);
    auto ownerWindow = windowOf (owner);

    if (display == nullptr || window == 0 || ownerWindow == 0)
        return;

    const juce::XWindowSystemUtilities::ScopedXLock xLock;
    juce::X11Symbols::getInstance()->xChangeProperty (display, window, XA_WM_TRANSIENT_FOR, XA_WINDOW, 32,
                                                      PropModeReplace, reinterpret_cast<unsigned char*> (&ownerWindow),
                                                      1);
}

juce::uint64 DesktopWindowHints::getTransientFor (juce::Component& dialog)
{
    auto* display = juce::XWindowSystem::getInstance()->getDisplay();
    const auto window = windowOf (dialog);

    if (display == nullptr || window == 0)
        return 0;

    const juce::XWindowSystemUtilities::GetXProperty property (display, window, XA_WM_TRANSIENT_FOR, 0, 1, false,
                                                               XA_WINDOW);

    if (! property.success || property.numItems != 1 || property.data == nullptr)
        return 0;

    return static_cast<juce::uint64> (*reinterpret_cast<const ::Window*> (property.data));
}

std::optional<DesktopWindowHints::Placed> DesktopWindowHints::placedBy (juce::Component& window)
{
    auto* system = juce::XWindowSystem::getInstance();
    auto* display = system->getDisplay();
    const auto handle = windowOf (window);

    if (display == nullptr || handle == 0)
        return {};

    const auto frame = system->getBorderSize (handle);

    if (! frame || frame->getTopAndBottom() == 0)
        return {};

    auto* x = juce::X11Symbols::getInstance();
    const juce::XWindowSystemUtilities::ScopedXLock xLock;
    int left = 0, top = 0;
    ::Window child = 0;
    XWindowAttributes attributes {};

    if (! x->xTranslateCoordinates (display, handle, x->xDefaultRootWindow (display), 0, 0, &left, &top, &child)
        || ! x->xGetWindowAttributes (display, handle, &attributes))
        return {};

    const auto& displays = juce::Desktop::getInstance().getDisplays();
    return Placed { displays.physicalToLogical (juce::Rectangle<int> (left, top, attributes.width, attributes.height)),
                    *frame };
}
#else
std::optional<DesktopWindowHints::Placed> DesktopWindowHints::placedBy (juce::Component&)
{
    return {};
}
void DesktopWindowHints::setTransientFor (juce::Component&, juce::Component&) {}
juce::uint64 DesktopWindowHints::getTransientFor (juce::Component&)
{
    return 0;
}
#endif
