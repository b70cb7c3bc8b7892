#include "app/AppImages.h"

#include "views/pictures/ViewImages.h"

ScaledPicture AppImages::aboutPicture()
{
    return ViewImages::findPicture ("about-picture.png");
}

ScaledPicture AppImages::deviceSetupBackground()
{
    return ViewImages::findPicture ("device-setup-background.png");
}

ScaledPicture AppImages::deviceListFrame()
{
    return ViewImages::findPicture ("device-list-frame.png");
}

juce::Image AppImages::programIcon()
{
    return ViewImages::findResource ("program-icon.png");
}
