#include "app/AppImages.h"

#include <QXResources.h>

juce::Image AppImages::aboutPicture()
{
    return named ("about-picture.png");
}

juce::Image AppImages::deviceSetupBackground()
{
    return named ("device-setup-background.png");
}

juce::Image AppImages::deviceListFrame()
{
    return named ("device-list-frame.png");
}

juce::Image AppImages::programIcon()
{
    return named ("program-icon.png");
}

juce::Image AppImages::named (const char* fileName)
{
    for (int i = 0; i < QXResources::namedResourceListSize; ++i)
    {
        if (juce::String (QXResources::originalFilenames[i]) != fileName)
            continue;

        int size = 0;

        if (const auto* data = QXResources::getNamedResource (QXResources::namedResourceList[i], size))
            return juce::ImageCache::getFromMemory (data, size);
    }

    return {};
}
