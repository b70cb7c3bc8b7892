#include "app/KavoriQX61EditorApplication.h"

JUCE_CREATE_APPLICATION_DEFINE (KavoriQX61EditorApplication)

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

    juce::JUCEApplicationBase::createInstance = &juce_CreateApplication;
    return juce::JUCEApplicationBase::main (argc, const_cast<const char**> (argv));
}
