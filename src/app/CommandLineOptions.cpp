#include "app/CommandLineOptions.h"

#include <vector>

namespace
{
bool isQuote (juce::juce_wchar c)
{
    return c == '"' || c == '\'';
}

/** The line as code points, so that walking it costs one step per character (indexing a
    juce::String walks its UTF-8 from the start, which made a long line quadratic). */
using CodePoints = std::vector<juce::juce_wchar>;

CodePoints codePointsOf (const juce::String& text)
{
    CodePoints points;
    points.reserve (static_cast<size_t> (text.getNumBytesAsUTF8()));

    for (auto c : text)
        points.push_back (c);

    return points;
}

juce::String textOf (const CodePoints& points, size_t start, size_t end)
{
    if (start >= end)
        return {};

    using Pointer = juce::CharPointer_UTF32;
    const auto* first = reinterpret_cast<const Pointer::CharType*> (points.data());
    return juce::String (Pointer (first + start), Pointer (first + end));
}

/** The end of the blank-separated token starting at start; a quoted stretch may hold blanks. */
size_t endOfToken (const CodePoints& text, size_t start)
{
    juce::juce_wchar openQuote = 0;
    auto position = start;

    for (; position < text.size(); ++position)
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

size_t skipWhitespace (const CodePoints& text, size_t position)
{
    while (position < text.size() && juce::CharacterFunctions::isWhitespace (text[position]))
        ++position;

    return position;
}
} // namespace

CommandLineOptions CommandLineOptions::parse (const juce::String& commandLine)
{
    CommandLineOptions options;
    const auto text = codePointsOf (commandLine);
    auto position = skipWhitespace (text, 0);

    while (position < text.size())
    {
        const auto end = endOfToken (text, position);
        const auto token = removeEnclosingQuotes (textOf (text, position, end));

        if (! token.startsWith ("--"))
            break;

        options.takeOption (token);
        position = skipWhitespace (text, end);
    }

    options.remainder = textOf (text, position, text.size());
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
    return "Usage: " + programName
           + " [options] [preset file]\n"
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
