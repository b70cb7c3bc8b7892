#include "views/pictures/PicturePreloader.h"
#include "views/pictures/ViewImages.h"

#include <gtest/gtest.h>

#include <future>
#include <memory>

namespace
{
juce::Colour mark (const juce::String& name)
{
    return juce::Colour (static_cast<juce::uint32> (name.hashCode())).withAlpha (1.0f);
}

/** A decoder that records what it was asked for and can hold a picture until released. */
struct TestDecoder
{
    juce::Image operator() (const juce::String& name)
    {
        std::unique_lock<std::mutex> lock (mutex);
        started.push_back (name);
        changed.notify_all();
        changed.wait (lock, [&] { return ! held.contains (name); });

        juce::Image image (juce::Image::RGB, 4, 2, true);
        image.setPixelAt (0, 0, mark (name));
        return image;
    }

    void release (const juce::String& name)
    {
        const std::lock_guard<std::mutex> lock (mutex);
        held.removeString (name);
        changed.notify_all();
    }

    void waitUntilStarted (const juce::String& name)
    {
        std::unique_lock<std::mutex> lock (mutex);
        changed.wait (lock, [&] { return std::find (started.begin(), started.end(), name) != started.end(); });
    }

    std::vector<juce::String> startedSoFar()
    {
        const std::lock_guard<std::mutex> lock (mutex);
        return started;
    }

    std::mutex mutex;
    std::condition_variable changed;
    juce::StringArray held;
    std::vector<juce::String> started;
};

const juce::StringArray names { "first", "second", "third" };

/** A preloader of the three names whose decoder holds one of them until released. */
std::unique_ptr<PicturePreloader> startHolding (TestDecoder& decoder, const juce::String& heldName)
{
    decoder.held.add (heldName);
    auto preloader =
        std::make_unique<PicturePreloader> (names, [&decoder] (const juce::String& name) { return decoder (name); });
    decoder.waitUntilStarted (heldName);
    return preloader;
}

/** Releases the name a little later, from another thread. */
std::future<void> releaseLater (TestDecoder& decoder, const juce::String& name)
{
    return std::async (std::launch::async, [&decoder, name] {
        std::this_thread::sleep_for (std::chrono::milliseconds (30));
        decoder.release (name);
    });
}
} // namespace

TEST (PicturePreloader, APictureBeingDecodedIsWaitedForAndOneNotYetStartedIsLeftToTheCaller)
{
    TestDecoder decoder;
    auto preloader = startHolding (decoder, "first");

    // Not waiting behind "first": the caller decodes "third" itself, and the preloader skips it.
    EXPECT_FALSE (preloader->take ("third").isValid());

    auto releaser = releaseLater (decoder, "first");
    const auto image = preloader->take ("first");
    ASSERT_TRUE (image.isValid());
    EXPECT_EQ (image.getPixelAt (0, 0), mark ("first"));
    releaser.get();

    decoder.waitUntilStarted ("second");
    EXPECT_TRUE (preloader->take ("second").isValid());
    EXPECT_EQ (decoder.startedSoFar(), (std::vector<juce::String> { "first", "second" }));
}

TEST (PicturePreloader, DestroyedWhileDecodingFinishesThatPictureAndDropsTheRest)
{
    TestDecoder decoder;
    auto preloader = startHolding (decoder, "first");
    auto releaser = releaseLater (decoder, "first");
    preloader.reset(); // before the release arrives
    releaser.get();
    EXPECT_EQ (decoder.startedSoFar(), std::vector<juce::String> { "first" });
}

// Every picture the views use is built in (a renamed or missing one would silently fall back to a
// placeholder), and those a window takes from the preloader are the ones it would have decoded itself.
TEST (PicturePreloader, ViewImagesAreBuiltInAndTakeTheSamePicturesFromIt)
{
    const auto names = ViewImages::fileNames();
    std::vector<juce::Image> direct;

    for (const auto& name : names)
    {
        direct.push_back (ViewImages::findResource (name).createCopy());
        EXPECT_TRUE (direct.back().isValid()) << name;
    }

    juce::ImageCache::releaseUnusedImages();
    ViewImages::startPreloading();

    for (int i = 0; i < names.size(); ++i)
    {
        const auto image = ViewImages::findResource (names[i]);
        const auto centre = image.getBounds().getCentre();
        ASSERT_EQ (image.getBounds(), direct[(size_t) i].getBounds()) << names[i];
        EXPECT_EQ (image.getPixelAt (centre.x, centre.y), direct[(size_t) i].getPixelAt (centre.x, centre.y))
            << names[i];
    }

    ViewImages::stopPreloading();
}
