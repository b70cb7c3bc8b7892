#include "app/AppImages.h"

#include <QXResources.h>

juce::Image AppImages::aboutPicture()
{
    return named ("about_png");
}

juce::Image AppImages::deviceSetupBackground()
{
    return named ("devicesetup_background_png");
}

juce::Image AppImages::deviceListFrame()
{
    return named ("devicesetup_listframe_png");
}

juce::Image AppImages::named (const char* resourceName)
{
    int size = 0;

    if (const auto* data = QXResources::getNamedResource (resourceName, size))
        return juce::ImageCache::getFromMemory (data, size);

    return {};
}
