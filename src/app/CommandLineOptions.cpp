#include "app/CommandLineOptions.h"

namespace
{
bool isQuote (juce::juce_wchar c)
{
    return c == '"' || c == '\'';
}

/** The end of the blank-separated token starting at start; a quoted stretch may hold blanks. */
int endOfToken (const juce::String& text, int start)
{
    juce::juce_wchar openQuote = 0;
    auto position = start;

    for (; position < text.length(); ++position)
    {
        const auto c = text[position];

        if (openQuote != 0)
        {
            if (c == openQuote)
                openQuote = 0;
        }
        else if (isQuote (c))
        {
            openQuote = c;
        }
        else if (juce::CharacterFunctions::isWhitespace (c))
        {
            break;
        }
    }

    return position;
}

int skipWhitespace (const juce::String& text, int position)
{
    while (position < text.length() && juce::CharacterFunctions::isWhitespace (text[position]))
        ++position;

    return position;
}
} // namespace

CommandLineOptions CommandLineOptions::parse (const juce::String& commandLine)
{
    CommandLineOptions options;
    auto position = skipWhitespace (commandLine, 0);

    while (position < commandLine.length())
    {
        const auto end = endOfToken (commandLine, position);
        const auto token = removeEnclosingQuotes (commandLine.substring (position, end));

        if (! token.startsWith ("--"))
            break;

        options.takeOption (token);
        position = skipWhitespace (commandLine, end);
    }

    options.remainder = commandLine.substring (position);
    return options;
}

void CommandLineOptions::takeOption (const juce::String& option)
{
    static const juce::String midiLogPrefix ("--midi-log=");

    if (option == "--simulator")
        simulator = true;
    else if (option == "--help")
        help = true;
    else if (option == "--version")
        version = true;
    else if (option.startsWith (midiLogPrefix) && option.length() > midiLogPrefix.length())
        midiLogPath = removeEnclosingQuotes (option.substring (midiLogPrefix.length()));
    else
        badOptions.add (option);
}

bool CommandLineOptions::hasPresetFile() const
{
    const auto trimmed = remainder.trim();
    return trimmed.isNotEmpty() && ! trimmed.startsWith ("-");
}

juce::String CommandLineOptions::getPresetPath() const
{
    return removeEnclosingQuotes (remainder.trim());
}

juce::File CommandLineOptions::getPresetFile (const juce::File& baseFolder) const
{
    return baseFolder.getChildFile (getPresetPath());
}

juce::String CommandLineOptions::removeEnclosingQuotes (const juce::String& text)
{
    if (text.length() >= 2 && isQuote (text[0]) && text.getLastCharacter() == text[0])
        return text.substring (1, text.length() - 1);

    return text;
}

juce::String CommandLineOptions::getUsage (const juce::String& programName)
{
    return "Usage: " + programName + " [options] [preset file]\n"
           "\n"
           "Opens the preset file (.qx6) in an editor window, or an untitled window without one.\n"
           "When the editor is already running on this display, the file opens there instead.\n"
           "\n"
           "Options:\n"
           "  --simulator        offer the simulated keyboard's ports (\"QX61 Simulator\") and use them\n"
           "  --midi-log=FILE    write every MIDI message sent and received to FILE\n"
           "  --help             print this text and exit\n"
           "  --version          print the version and exit\n";
}
