#pragma once

#include <juce_core/juce_core.h>

/** The program's command line: options first, each beginning with "--", then an optional preset
    file. The line is the one the framework hands over (arguments joined by blanks, an argument
    holding a blank wrapped in double quotes), so the same parsing serves the first launch and a
    line handed over by a second launch. */
class CommandLineOptions
{
public:
    static CommandLineOptions parse (const juce::String& commandLine);

    bool simulator = false;
    bool help = false;
    bool version = false;
    juce::String midiLogPath;

    /** Options that are not known, or known but malformed (e.g. "--midi-log" without a file). */
    juce::StringArray badOptions;

    /** Everything after the options, untouched. */
    juce::String remainder;

    /** True when the remainder names a file: not empty once trimmed and not beginning with "-". */
    bool hasPresetFile() const;

    /** The remainder without one pair of enclosing quotes (single or double). */
    juce::String getPresetPath() const;

    /** The preset file, a relative path taken from the given folder. */
    juce::File getPresetFile (const juce::File& baseFolder) const;

    /** The text printed by --help. */
    static juce::String getUsage (const juce::String& programName);

    /** Removes one pair of enclosing quotes, single or double, if the text has them. */
    static juce::String removeEnclosingQuotes (const juce::String& text);

private:
    void takeOption (const juce::String& option);
};
