#include "app/desktop/InterfaceScale.h"

#include <gtest/gtest.h>

TEST (InterfaceScale, FollowsGdkScaleThenQtScaleFactorThenXftDpi)
{
    struct Case
    {
        const char* gdk;
        const char* qt;
        const char* resources;
        double expected; // 0: the desktop sets none
    } const cases[] = {
        { "", "", "", 0 },
        { "", "", "Xft.antialias:\t1\nXft.dpi:\t192\nXft.hinting:\t1\n", 2.0 }, // as xrdb -query lists it
        { "", "", "Xft.dpi: 120", 1.25 },
        { "2", "1.5", "Xft.dpi:\t96", 2.0 },
        { "", "1.5", "Xft.dpi:\t192", 1.5 },
        { "1.5", "", "Xft.dpi:\t144", 1.5 }, // GTK takes no fraction, so neither is it taken here
        { "0", "abc", "Xft.dpi:\t192", 2.0 },
        { "", "", "Xft.dpi:\t9600", 0 },
    };

    for (const auto& c : cases)
    {
        const auto scale = InterfaceScale::desktopScale (
            [&c] (const char* name) { return juce::String (juce::String (name) == "GDK_SCALE" ? c.gdk : c.qt); },
            c.resources);
        EXPECT_EQ (scale.value_or (0.0), c.expected) << c.gdk << " | " << c.qt << " | " << c.resources;
    }
}
