// The X headers come with the framework's window-system declarations only when asked for first.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include <juce_gui_basics/juce_gui_basics.h>

#include "app/desktop/InterfaceScale.h"

#include <cstdlib>

namespace
{
constexpr double baseDpi = 96.0;

std::optional<double> usable (double scale)
{
    return scale >= 0.5 && scale <= 4.0 ? std::optional<double> (scale) : std::nullopt;
}

std::optional<double> xftDpi (const juce::String& xResources)
{
    for (const auto& line : juce::StringArray::fromLines (xResources))
        if (line.trimStart().startsWith ("Xft.dpi:"))
            return line.fromFirstOccurrenceOf (":", false, false).trim().getDoubleValue();

    return std::nullopt;
}
} // namespace

const juce::Array<int>& InterfaceScale::choices()
{
    static const juce::Array<int> percents { automatic, 100, 125, 150, 200 };
    return percents;
}

juce::String InterfaceScale::choiceName (int percent)
{
    return percent == automatic ? "Automatic" : juce::String (percent) + " %";
}

std::optional<double> InterfaceScale::desktopScale (const std::function<juce::String (const char*)>& environment,
                                                    const juce::String& xResources)
{
    // GTK takes only a whole GDK_SCALE.
    if (const auto gdk = environment ("GDK_SCALE"); gdk.containsOnly ("0123456789") && gdk.isNotEmpty())
        if (const auto scale = usable (gdk.getIntValue()))
            return scale;

    if (const auto qt = environment ("QT_SCALE_FACTOR"); qt.isNotEmpty())
        if (const auto scale = usable (qt.getDoubleValue()))
            return scale;

    if (const auto dpi = xftDpi (xResources))
        return usable (*dpi / baseDpi);

    return std::nullopt;
}

double InterfaceScale::scaleFor (int percent)
{
    if (percent != automatic)
        return percent / 100.0;

    const auto scale =
        desktopScale ([] (const char* name) { return juce::String (std::getenv (name)); }, readXResources());
    return scale.value_or (displayScale());
}

void InterfaceScale::apply (int percent)
{
    auto& desktop = juce::Desktop::getInstance();
    const auto factor = static_cast<float> (scaleFor (percent) / displayScale());

    if (juce::approximatelyEqual (factor, desktop.getGlobalScaleFactor()))
        return;

    juce::Array<juce::Component::SafePointer<juce::Component>> windows;
    juce::Array<juce::Rectangle<int>> sizes;

    for (int i = 0; i < desktop.getNumComponents(); ++i)
    {
        windows.add (desktop.getComponent (i));
        sizes.add (desktop.getComponent (i)->getBounds());
    }

    desktop.setGlobalScaleFactor (factor);

    // The framework reads the windows' sizes back from their old native sizes; every window
    // keeps its own size and takes the new scale instead.
    for (int i = 0; i < windows.size(); ++i)
    {
        if (auto* window = windows[i].getComponent())
        {
            window->setBounds (sizes[i]);
            resizeNativeWindow (*window);
        }
    }
}

void InterfaceScale::resizeNativeWindow (juce::Component& window)
{
    const auto wanted = (window.getBounds().toFloat() * window.getDesktopScaleFactor()).toNearestInt();

    if (auto* peer = window.getPeer(); peer != nullptr && peer->getBounds() != wanted)
        peer->setBounds (wanted, false);
}

double InterfaceScale::displayScale()
{
    const auto& desktop = juce::Desktop::getInstance();
    const auto* display = desktop.getDisplays().getPrimaryDisplay();
    return display != nullptr ? display->scale / desktop.getGlobalScaleFactor() : 1.0;
}

juce::String InterfaceScale::readXResources()
{
#if JUCE_LINUX
    // From the root window, as the desktop holds them now: the connection's own copy is from when
    // JUCE connected, and a second connection would cost a whole X handshake at every start.
    auto* display = juce::XWindowSystem::getInstance()->getDisplay();

    if (display == nullptr)
        return {};

    const auto root = juce::X11Symbols::getInstance()->xDefaultRootWindow (display);
    const juce::XWindowSystemUtilities::GetXProperty property (display, root, XA_RESOURCE_MANAGER, 0, 1L << 20, false,
                                                               XA_STRING);

    if (property.success && property.data != nullptr && property.actualFormat == 8)
        return juce::String::fromUTF8 (reinterpret_cast<const char*> (property.data), (int) property.numItems);
#endif
    return {};
}
