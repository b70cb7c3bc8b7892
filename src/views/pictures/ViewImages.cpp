#include "views/pictures/ViewImages.h"

#include "views/pictures/PicturePreloader.h"

#include <QXResources.h>

namespace
{
struct PictureSize
{
    const char* name;
    int width;
    int height;
};

// Indexed by view number; the main and sustain tabs are wider so that the row fills 1200 pixels.
const PictureSize tabPictures[] = { { "tab-main", 138, 40 },      { "tab-knobs", 132, 40 },
                                    { "tab-switches", 132, 40 },  { "tab-pads", 132, 40 },
                                    { "tab-roll-mode", 132, 40 }, { "tab-transport", 132, 40 },
                                    { "tab-keybed", 132, 40 },    { "tab-wheels", 132, 40 },
                                    { "tab-sustain", 138, 40 } };

// Indexed by view number; the main and sustain views have no area on the product picture.
const PictureSize productPictures[] = { { nullptr, 0, 0 },
                                        { "selector-knobs", 503, 16 },
                                        { "selector-switches", 511, 56 },
                                        { "selector-pads", 154, 153 },
                                        { "selector-roll-mode", 23, 15 },
                                        { "selector-transport", 152, 35 },
                                        { "selector-keybed", 957, 167 },
                                        { "selector-wheels", 63, 85 },
                                        { nullptr, 0, 0 } };

const char* const mainButtonNames[] = { "main-get-from-hardware", "main-send-to-hardware", "main-save-to-file",
                                        "main-load-from-file" };

constexpr int mainButtonWidth = 249;
constexpr int mainButtonHeight = 35;
constexpr int arrowWidth = 17;
constexpr int arrowHeight = 26;
} // namespace

juce::StringArray ViewImages::fileNames()
{
    juce::StringArray names { "keyboard-background.png", "product-picture.png", "keybed-divider.png" };
    const ButtonState states[] = { ButtonState::normal, ButtonState::over, ButtonState::down };

    for (auto state : states)
    {
        for (const auto& picture : tabPictures)
            names.add (picture.name + suffix (state));

        for (const auto& picture : productPictures)
            if (picture.name != nullptr)
                names.add (picture.name + suffix (state));

        for (auto* arrow : { "bank-arrow-right", "bank-arrow-left" })
            names.add (arrow + suffix (state));
    }

    for (auto* button : mainButtonNames)
    {
        names.add (button + suffix (ButtonState::normal));
        names.add (button + suffix (ButtonState::over));
    }

    return names;
}

ScaledPicture ViewImages::keyboardBackground()
{
    auto picture = findPicture ("keyboard-background.png");

    if (picture.isValid())
        return picture;

    juce::Image plain (juce::Image::RGB, 1200, 700, false);
    plain.clear (plain.getBounds(), juce::Colour (0xff202428));
    return { plain, nullptr };
}

ScaledPicture ViewImages::productPicture()
{
    return load ("product-picture.png", 1150, 286);
}

ScaledPicture ViewImages::tabButton (int viewNumber, ButtonState state)
{
    if (! juce::isPositiveAndBelow (viewNumber, (int) std::size (tabPictures)))
        return {};

    const auto& picture = tabPictures[viewNumber];
    return load (juce::String (picture.name) + suffix (state), picture.width, picture.height, state);
}

ScaledPicture ViewImages::productButton (int viewNumber, ButtonState state)
{
    if (! juce::isPositiveAndBelow (viewNumber, (int) std::size (productPictures))
        || productPictures[viewNumber].name == nullptr)
        return {};

    const auto& picture = productPictures[viewNumber];
    return load (juce::String (picture.name) + suffix (state), picture.width, picture.height, state);
}

ScaledPicture ViewImages::mainButton (int index, bool mouseOver)
{
    if (! juce::isPositiveAndBelow (index, (int) std::size (mainButtonNames)))
        return {};

    return load (mainButtonNames[index] + suffix (mouseOver ? ButtonState::over : ButtonState::normal), mainButtonWidth,
                 mainButtonHeight);
}

ScaledPicture ViewImages::bankArrow (bool pointsRight, ButtonState state)
{
    return load (juce::String (pointsRight ? "bank-arrow-right" : "bank-arrow-left") + suffix (state), arrowWidth,
                 arrowHeight, state);
}

ScaledPicture ViewImages::keybedDivider()
{
    return load ("keybed-divider.png", 3, 191);
}

namespace
{
std::unique_ptr<PicturePreloader>& preloader()
{
    static std::unique_ptr<PicturePreloader> instance;
    return instance;
}

// The key the image cache files a picture decoded from memory under.
juce::int64 cacheKey (const void* data)
{
    return static_cast<juce::int64> (reinterpret_cast<juce::pointer_sized_int> (data));
}
} // namespace

const void* ViewImages::resourceData (const juce::String& fileName, int& size)
{
    for (int i = 0; i < QXResources::namedResourceListSize; ++i)
        if (fileName == QXResources::originalFilenames[i])
            return QXResources::getNamedResource (QXResources::namedResourceList[i], size);

    return nullptr;
}

juce::Image ViewImages::findResource (const juce::String& fileName)
{
    int size = 0;
    const auto* data = resourceData (fileName, size);

    if (data == nullptr)
        return {};

    if (preloader() != nullptr)
    {
        auto image = preloader()->take (fileName);

        if (image.isValid())
        {
            // Filed as if decoded here, so later windows share it.
            juce::ImageCache::addImageToCache (image, cacheKey (data));
            return image;
        }
    }

    return juce::ImageCache::getFromMemory (data, size);
}

ScaledPicture ViewImages::findPicture (const juce::String& fileName)
{
    auto normal = findResource (fileName);

    if (! normal.isValid())
        return {};

    // Only the 1× pictures are preloaded: a start at 100 % never decodes the others.
    return { normal, [doubled = doubledFileName (fileName)] { return findResource (doubled); } };
}

juce::String ViewImages::doubledFileName (const juce::String& fileName)
{
    return fileName.upToLastOccurrenceOf (".", false, false) + "@2x" + fileName.fromLastOccurrenceOf (".", true, false);
}

void ViewImages::startPreloading()
{
    preloader() = std::make_unique<PicturePreloader> (fileNames(), [] (const juce::String& fileName) {
        int size = 0;
        const auto* data = resourceData (fileName, size);
        return data != nullptr ? juce::ImageFileFormat::loadFrom (data, static_cast<size_t> (size)) : juce::Image();
    });
}

void ViewImages::stopPreloading()
{
    preloader() = nullptr;
}

ScaledPicture ViewImages::load (const juce::String& fileName, int width, int height, ButtonState state)
{
    auto picture = findPicture (fileName);
    return picture.isValid() ? picture : ScaledPicture (placeholder (width, height, state), nullptr);
}

juce::Image ViewImages::placeholder (int width, int height, ButtonState state)
{
    // Pressed placeholders are brighter, so a selection shows even without the pictures.
    juce::Image plain (juce::Image::ARGB, width, height, true);
    juce::Graphics g (plain);
    g.setColour (juce::Colours::white.withAlpha (state == ButtonState::down ? 0.4f : 0.15f));
    g.fillAll();
    g.setColour (juce::Colours::white.withAlpha (0.5f));
    g.drawRect (plain.getBounds());
    return plain;
}

juce::String ViewImages::suffix (ButtonState state)
{
    switch (state)
    {
        case ButtonState::over: return "-over.png";
        case ButtonState::down: return "-down.png";
        case ButtonState::normal: break;
    }

    return "-normal.png";
}
