#include "app/KavoriQX61EditorApplication.h"
#include "views/pictures/ViewImages.h"

#include <cstdlib>

JUCE_CREATE_APPLICATION_DEFINE (KavoriQX61EditorApplication)

namespace
{
/** The editor draws everything in DejaVu Sans. Left to itself, JUCE opens every font file on the
    system before the first window shows, which was a third of the start-up time. */
void limitFontSearchToInterfaceFont()
{
#if JUCE_LINUX
    const juce::File folder ("/usr/share/fonts/truetype/dejavu");

    if (std::getenv ("JUCE_FONT_PATH") == nullptr && folder.getChildFile ("DejaVuSans.ttf").existsAsFile())
        setenv ("JUCE_FONT_PATH", folder.getFullPathName().toRawUTF8(), 0);
#endif
}
} // namespace

int main (int argc, char* argv[])
{
    // --help and --version answer before the framework starts, so they work without a display.
    juce::StringArray arguments;

    for (int i = 1; i < argc; ++i)
    {
        const auto argument = juce::String::fromUTF8 (argv[i]);
        arguments.add (argument.containsChar (' ') && ! argument.isQuotedString() ? argument.quoted() : argument);
    }

    int exitCode = 0;

    if (KavoriQXEditorApplication::answersWithoutStarting (
            CommandLineOptions::parse (arguments.joinIntoString (" ")),
            juce::String::fromUTF8 (argv[0]).fromLastOccurrenceOf ("/", false, false), exitCode))
        return exitCode;

    limitFontSearchToInterfaceFont();

    // Decoding the pictures takes about as long as the framework takes to open the display.
    ViewImages::startPreloading();
    juce::JUCEApplicationBase::createInstance = &juce_CreateApplication;
    const auto result = juce::JUCEApplicationBase::main (argc, const_cast<const char**> (argv));
    ViewImages::stopPreloading();
    return result;
}
